// Writes the seeds of the gene bank's fuzz target into a directory: the built-in bank as a
// file, behind headers that choose each gene alone and a few pairs.
#include "banque_fuzz.h"

#include "history/fichier_gen.h"
#include "regles/banque_integree.h"

#include <filesystem>
#include <fstream>
#include <iostream>

using namespace orvan;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage : " << argv[0] << " RÉPERTOIRE\n";
        return 2;
    }
    const std::filesystem::path repertoire = argv[1];
    std::filesystem::create_directories(repertoire);
    const std::string banque = texte_des_lignes(banque_integree());
    const fuzz::ChoixBanque choix[] = {
        {1, 0, 0, {0b000100, 0}},        {1, 1, 0, {0b111001, 0}},
        {1, 2, 0, {0b000001, 0}},        {1, 3, 0, {0b010001, 0}},
        {2, 0, 1, {0b100100, 0b0101}},   {2, 1, 2, {0b110110, 0b000100}},
        {2, 3, 0, {0b000100, 0b010001}}, {2, 1, 1, {0, 0}}};
    int n = 0;
    for (const auto& c : choix) {
        std::ofstream sortie(repertoire / ("banque_" + std::to_string(++n)), std::ios::binary);
        sortie << fuzz::ecrit_entete(c) << banque;
        if (!sortie) return 1;
    }
    return 0;
}
