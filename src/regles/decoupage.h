// How each kind of gene bank line is cut into its fields.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace orvan {

// Header "{name}": the line without its first and last character, at most 50 characters.
std::string nom_gene(const std::string& ligne);
// Phenotype line "D,X,10,0": the choice text "D," and the name "D".
std::string texte_choix_phenotype(const std::string& ligne);
std::string nom_phenotype(const std::string& ligne);

struct ListeGenotypes {
    std::string phenotype; // with its brackets, "[D]"
    std::vector<std::string> genotypes;
};
ListeGenotypes decoupe_genotypes(const std::string& ligne);

struct Enonce {
    std::string texte;
    bool vrai;
};
// Statements before the "/" are true, the others false.
std::vector<Enonce> decoupe_relations(const std::string& ligne);

// "#[D]=15,[d]=10": (name, colour number) pairs; a pair whose number is not an integer is skipped.
std::vector<std::pair<std::string, int>> decoupe_couleurs(const std::string& ligne);

} // namespace orvan
