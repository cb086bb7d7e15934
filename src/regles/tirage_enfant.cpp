#include "regles/tirage_enfant.h"

#include "ground/texte.h"
#include "regles/gametes.h"

#include <algorithm>

namespace orvan {

int nb_enfants_tire(int item, bool fondateurs, const Tirage& tirage) {
    int n = item == 0 ? static_cast<int>(tirage(5)) + 2 : item + 1;
    if (fondateurs) n = item == 0 ? static_cast<int>(tirage(4)) + 3 : item + 1;
    return n;
}

namespace {

Sexe sexe_tire(const Tirage& tirage) {
    return tirage(2) != 0 ? Sexe::homme : Sexe::femme;
}

// The second parent's gamete. A son takes a gamete without "Y"; when the parent has none, one
// draw is made and the loop stops.
std::string gamete_second_parent(const std::string& gp, const std::array<std::string, 4>& gametes2,
                                 const Tirage& tirage) {
    std::string gm = gametes2[tirage(4)];
    if (gp != "Y,Y" || !contient(gm, "X")) return gm;
    const bool un_sans_y = std::any_of(gametes2.begin(), gametes2.end(),
                                       [](const std::string& g) { return !contient(g, "Y"); });
    do
        gm = gametes2[tirage(4)];
    while (contient(gm, "Y") && un_sans_y);
    return gm;
}

} // namespace

Enfant tire_enfant(const std::array<std::string, 4>& gametes1,
                   const std::array<std::string, 4>& gametes2, const Tirage& tirage) {
    std::string gp = gametes1[tirage(4)];
    if (contient(gp, "Y") && contient(gp, "X")) gp = "Y,Y";
    const std::string gm = gamete_second_parent(gp, gametes2, tirage);
    Enfant e;
    e.sexe = sexe_tire(tirage);
    e.geno1 = coupe(tete(gp) + "," + tete(gm), 40);
    e.geno2 = coupe(queue(gp, 20) + "," + queue(gm, 20), 40);
    if (contient(e.geno1, "X"))
        e.sexe = deux_x(e.geno1) ? Sexe::femme : Sexe::homme;
    else if (contient(e.geno2, "X"))
        e.sexe = deux_x(e.geno2) ? Sexe::femme : Sexe::homme;
    else
        e.sexe = sexe_tire(tirage);
    return e;
}

std::string phenotype_du_genotype(const ModeleCaracteres& m, const std::string& genotype) {
    std::string nom;
    for (int j = 1; j <= m.nb_genotypes; ++j) {
        if (genotype != m.genotype_texte[j]) continue;
        const std::string& p = m.phenotype_du_genotype[j];
        nom = coupe(p.size() >= 2 ? p.substr(1, p.size() - 2) : "", 40);
    }
    return nom;
}

} // namespace orvan
