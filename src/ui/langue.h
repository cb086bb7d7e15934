// The language file: lines such as "Menu_11:Ouvrir;Open" give a kind of control, a tag, a
// French text and an English text.
#pragma once

#include "ground/textes.h"
#include "ui/controles.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvan {

inline constexpr const char* nom_fichier_langue = "langue_orvan.txt";

// Language 1 is French, 2 English.
inline constexpr int langue_francais = 1;
inline constexpr int langue_anglais = 2;

struct LigneLangue {
    std::vector<Genre> genres; // the kinds the line addresses, in the order of the prefixes
    int tag = 0;
    std::string francais, anglais;
    // The text of language k; empty for any other language.
    const std::string& texte(int k) const;
};

struct FichierLangue {
    std::vector<LigneLangue> lignes; // the lines read, in file order
    // Set when a tag is not a whole number: the lines after it are not read.
    std::optional<Texte> erreur;
};

// The kinds of control addressed by every prefix that the line contains anywhere.
std::vector<Genre> genres_adresses(std::string_view ligne);
// The tag's text: before the first ":", after the first "_" of that part.
std::string texte_du_tag(std::string_view ligne);
// The text of language k (1 or 2): the line after its first ":", with every "_" turned into a
// line break; the French text stops at the first ";", the English one is between the first and
// the second ";". A line without ";" gives its whole text to both.
std::string texte_langue(std::string_view ligne, int k);
// Reads the lines in order up to the first bad tag; lines without a prefix are skipped.
FichierLangue analyse_langue(const std::vector<std::string>& lignes);

// The pieces of a list of items or of lines: the text cut at each "/".
std::vector<std::string> morceaux(std::string_view texte);

} // namespace orvan
