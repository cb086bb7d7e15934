// Allele frequencies as a teacher writes them ("0,08", "8 %", "2/25") and as the program
// shows and keeps them.
#pragma once

#include "ground/textes.h"
#include "probabilites/a_priori.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace orvan {

// A number written as a decimal (point or comma), a percentage or a fraction, exactly; nullopt
// when the text is not one of those.
std::optional<Rationnel> lit_frequence(std::string_view texte);

// As a decimal in the language's way ("0,08", "0.08") when it has at most a dozen decimals,
// else as a fraction ("1/3").
std::string ecrit_frequence(const Rationnel& f, Langue langue);

// Whether each frequency is above 0 and they add up to 1.
bool frequences_valides(const FrequencesGene& f);

// The frequencies of many genes as one text and back: a gene per line, its name, then
// "allele=fraction" fields, all separated by tabs. Reading keeps only the genes whose
// frequencies are valid.
std::string frequences_en_texte(const std::map<std::string, FrequencesGene>& f);
std::map<std::string, FrequencesGene> frequences_du_texte(std::string_view texte);

} // namespace orvan
