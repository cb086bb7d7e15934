// Helpers for the tests that build a family: the teacher's clicks, and the draws that the
// generator is expected to make, replayed on a copy of it.
#pragma once

#include "app/generateur.h"
#include "pedigree/gametes.h"
#include "plateforme_test.h"
#include "ui/texte.h"

#include <string>
#include <vector>

namespace orvan::test {

// Left click on individual k, click on the phenotype item of each gene in use, OK.
inline void choisit(Session& s, int k, int item, int item2 = -1) {
    s->arbre.clic_individu(k, Bouton::gauche);
    s->phenotypes.premier_phenotype->selectionne(item);
    if (item2 >= 0) s->phenotypes.second_phenotype->selectionne(item2);
    s->phenotypes.ok->clic();
}

// One gene, or two when second is given, chosen and confirmed as the replay does it.
inline void choisit_genes(Session& s, int premier, int second = -1) {
    if (second < 0) s->coquille.monohybridisme();
    if (second >= 0) s->coquille.dihybridisme();
    s->genes.premier_gene->selectionne(premier);
    if (second >= 0) s->genes.second_gene->selectionne(second);
    s->genes.ok->clic();
}

// The genotype that a confirmed phenotype gets: one draw among the table entries of the
// phenotype, drawn again until it fits the sex when the gene is on X.
inline std::string genotype_tire(Generateur& g, const ModeleCaracteres& m, const std::string& nom,
                                 bool femme) {
    std::vector<std::string> candidats;
    for (int k = 1; k <= m.nb_genotypes; ++k)
        if (m.phenotype_du_genotype[k] == "[" + nom + "]") candidats.push_back(m.genotype_texte[k]);
    const auto n = static_cast<std::uint32_t>(candidats.size());
    std::string r = candidats[g.tirage_alea(n)];
    if (!contient(candidats[0], "X")) return r;
    while (femme ? compte(r, 'X') < 2 : compte(r, 'X') != 1)
        r = candidats[g.tirage_alea(n)];
    return r;
}

struct Enfant {
    std::string geno1, geno2;
    Contour contour;
};

// The children a crossing draws, in the order of its draws. item: the item of the number of
// children ("hasard" is 0); gen2: the founders' crossing.
inline std::vector<Enfant> fratrie_tiree(Generateur& g, const Pedigree& p, int p1, int p2, int item,
                                         bool gen2) {
    int n = item == 0 ? static_cast<int>(g.tirage_alea(5)) + 2 : item + 1;
    if (gen2) n = item == 0 ? static_cast<int>(g.tirage_alea(4)) + 3 : item + 1;
    const auto gam1 = gametes(p.geno1[p1], p.geno2[p1]);
    const auto gam2 = gametes(p.geno1[p2], p.geno2[p2]);
    std::vector<Enfant> r;
    for (int i = 0; i < n; ++i) {
        std::string gp = gam1[g.tirage_alea(4)];
        if (contient(gp, "Y") && contient(gp, "X")) gp = "Y,Y";
        std::string gm = gam2[g.tirage_alea(4)];
        if (gp == "Y,Y" && contient(gm, "X")) do
                gm = gam2[g.tirage_alea(4)];
            while (contient(gm, "Y"));
        g.tirage_alea(2);
        Enfant e{tete(gp) + "," + tete(gm), queue(gp, 20) + "," + queue(gm, 20), Contour::carre};
        if (contient(e.geno1, "X"))
            e.contour = deux_x(e.geno1) ? Contour::cercle : Contour::carre;
        else if (contient(e.geno2, "X"))
            e.contour = deux_x(e.geno2) ? Contour::cercle : Contour::carre;
        else
            e.contour = g.tirage_alea(2) != 0 ? Contour::carre : Contour::cercle;
        r.push_back(e);
    }
    return r;
}

} // namespace orvan::test
