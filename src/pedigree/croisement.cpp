// The crossing: draws a sibship from two parents and places it on the pedigree. The order and
// range of every draw is part of the saved files' format.
#include "app/form1.h"

#include "pedigree/gametes.h"
#include "ui/texte.h"

#include <algorithm>

namespace orvan {

namespace {

const Couleur jaune = rgb(255, 255, 0);
const Couleur vert_citron = rgb(0, 255, 0);

} // namespace

void TForm1::btn_goClick() {
    croisement(1, 2, 3, ped.haut_gen2);
    tab_shape[1]->enabled = tab_shape[2]->enabled = false;
}

void TForm1::BitBtn3Click() {
    const int conjoint = ped.dernier_indiv;
    if (conjoint < 1 || conjoint > max_individus || ped.parent_union < 1) return;
    tab_shape[conjoint]->contour =
        tab_shape[ped.parent_union]->contour == Contour::cercle ? Contour::carre : Contour::cercle;
    croisement(ped.parent_union, conjoint, conjoint + 1, ped.haut_gen3);
    tab_union[0]->enabled = false;
}

void TForm1::croisement(int p1, int p2, int premier, int rang) {
    // No union slot left: nothing can be drawn without writing past the pedigree.
    if (ped.nb_unions > max_unions) return;
    const bool gen2 = rang == ped.haut_gen2;
    Autrefamille1->enabled = true;

    const int item = choix_nb_desc->index;
    int n = item == 0 ? static_cast<int>(alea.tirage_alea(5)) + 2 : item + 1;
    if (gen2) n = item == 0 ? static_cast<int>(alea.tirage_alea(4)) + 3 : item + 1;
    // The pedigree holds 40 individuals: the last sibship is shortened, never its draws.
    n = std::max(0, std::min(n, max_individus + 1 - premier));

    const int d = gen2 ? width / (n + 1) : tab_shape[1]->width + 10;
    const int u = ped.nb_unions;
    ped.fratrie[u] = {premier - 1, n};
    ped.dernier_indiv = premier + n - 1;

    const Forme& parent1 = *tab_shape[p1];
    const Forme& parent2 = *tab_shape[p2];
    Panel& couple = *tab_couple[u];
    couple.left = parent1.left + parent1.width;
    couple.top = parent1.top + parent1.height / 2;
    couple.width = parent2.left - parent1.left - parent2.width;
    couple.visible = true;

    if (gen2)
        for (int k = 3; k <= max_individus; ++k)
            tab_shape[k]->visible = tab_label[k]->visible = tab_trait[k]->visible = false;

    ped.gam_parent1 = gametes(ped.geno1[p1], ped.geno2[p1]);
    ped.gam_parent2 = gametes(ped.geno1[p2], ped.geno2[p2]);
    const bool un_y_libre = std::any_of(ped.gam_parent2.begin(), ped.gam_parent2.end(),
                                        [](const std::string& g) { return !contient(g, "Y"); });

    for (int G = 1; G <= n; ++G) {
        const int k = premier + G - 1;
        Forme& s = *tab_shape[k];
        Label& l = *tab_label[k];
        Panel& trait = *tab_trait[k];
        if (gen2) {
            s.left = G * d;
            s.remplissage = jaune;
        } else {
            s.left = tab_shape[ped.parent_union]->left + (G - n / 2) * d;
            s.remplissage = vert_citron;
            s.enabled = l.enabled = false;
            Exercice1->enabled = true;
        }
        s.top = rang;
        trait.top = rang - trait.height;
        trait.left = s.left + s.width / 2 - 2;

        std::string gp = ped.gam_parent1[alea.tirage_alea(4)];
        if (contient(gp, "Y") && contient(gp, "X")) gp = "Y,Y";
        std::string gm = ped.gam_parent2[alea.tirage_alea(4)];
        if (gp == "Y,Y" && contient(gm, "X")) {
            // A son takes a gamete without "Y" from the second parent; when it has none,
            // one draw is made and the loop stops.
            do
                gm = ped.gam_parent2[alea.tirage_alea(4)];
            while (contient(gm, "Y") && un_y_libre);
        }

        s.contour = alea.tirage_alea(2) != 0 ? Contour::carre : Contour::cercle;
        s.visible = trait.visible = true;

        ped.geno1[k] = coupe(tete(gp) + "," + tete(gm), 40);
        ped.geno2[k] = coupe(queue(gp, 20) + "," + queue(gm, 20), 40);
        s.hint = l.hint = ped.geno1[k] + "//" + ped.geno2[k];

        if (contient(ped.geno1[k], "X"))
            s.contour = deux_x(ped.geno1[k]) ? Contour::cercle : Contour::carre;
        else if (contient(ped.geno2[k], "X"))
            s.contour = deux_x(ped.geno2[k]) ? Contour::cercle : Contour::carre;
        else
            s.contour = alea.tirage_alea(2) != 0 ? Contour::carre : Contour::cercle;

        ped.pheno1[k].clear();
        ped.pheno2[k].clear();
        for (int j = 1; j <= modele.nb_genotypes; ++j) {
            const std::string& p = modele.phenotype_du_genotype[j];
            const std::string sans_crochets = p.size() >= 2 ? p.substr(1, p.size() - 2) : "";
            if (ped.geno1[k] == modele.genotype_texte[j]) ped.pheno1[k] = coupe(sans_crochets, 40);
            if (ped.geno2[k] == modele.genotype_texte[j]) ped.pheno2[k] = coupe(sans_crochets, 40);
        }

        l.set_caption("");
        l.top = s.top + 10;
        if (modele.nb_genes == 2) {
            l.set_caption("[" + ped.pheno1[k] + "," + ped.pheno2[k] + "]");
        } else {
            for (int j = 1; j <= std::min(modele.nb_phenotypes_total, max_legende); ++j)
                if (nom_legende[j]->caption == ped.pheno1[k])
                    s.remplissage = figure_legende[j]->remplissage;
            l.set_caption("[" + ped.pheno1[k] + "]");
        }
        l.left = s.left + s.width / 2 - l.width / 2;
        l.visible = true;
    }

    Panel& ligne = *tab_union[u];
    if (n > 0) {
        ligne.left = tab_trait[premier]->left;
        ligne.width = tab_label[premier + n - 1]->left - tab_label[premier]->left;
        ligne.top = rang - tab_trait[premier]->height;
    } else {
        ligne.left = couple.left + couple.width / 2;
        ligne.width = 0;
        ligne.top = rang - 20;
    }
    ligne.visible = true;

    Panel& vertic = *tab_vertic[u];
    vertic.left = couple.left + couple.width / 2;
    vertic.top = couple.top;
    vertic.height = ligne.top - couple.top;
    vertic.visible = true;

    ++ped.nb_unions;
    for (int p : {p1, p2})
        tab_shape[p]->enabled = tab_label[p]->enabled = false;
    btn_ok_couleursClick();
}

} // namespace orvan
