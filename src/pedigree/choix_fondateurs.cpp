// A click on an individual opens its choice panel; a confirmed choice draws its genotype and
// hands over to the crossing.
#include "app/form1.h"

#include "pedigree/gametes.h"
#include "ui/texte.h"

#include <algorithm>

namespace orvan {

namespace {

bool individu_valide(int k) {
    return k >= 1 && k <= max_individus;
}

// The spouse would take number 39 or more, leaving no room for a sibship.
constexpr int dernier_avant_conjoint = 38;

} // namespace

void TForm1::ShapeMouseDown(int k, Bouton bouton) {
    choix_all(k, bouton);
    if (k <= 2) Timer_disparait_image->enabled = true;
}

void TForm1::LabelMouseDown(int k, Bouton bouton) {
    ShapeMouseDown(k, bouton);
}

void TForm1::choix_all(int n, Bouton bouton) {
    if (!individu_valide(n) || ped.choix_en_cours != 0) return;
    ped.choix_en_cours = n;
    Group_choix_geno->caption = "Génotype du conjoint";
    gr_nb_desc2->visible = true;
    ped.indiv_saisi = n;

    const auto place_panneau = [&](Controle& panneau, int k) {
        const Forme& s = *tab_shape[k];
        panneau.top = s.bottom() + 5;
        panneau.left = std::max(5, s.left + s.width / 2 - group_choix->width / 2);
        if (panneau.right() > width - 10) panneau.left = width - 10 - panneau.width;
    };

    if (bouton != Bouton::gauche) {
        stock_ev("choix_all(" + std::to_string(n) + ",right)");
        Group_choix_geno->caption = "Changement de génotype";
        tab_shape[41]->contour = tab_shape[n]->contour;
        ped.changement_genotype = 1;
        place_panneau(*Group_choix_geno, n);
        ped.gam_parent1 = gametes(ped.geno1[1], ped.geno2[1]);
        ped.gam_parent2 = gametes(ped.geno1[2], ped.geno2[2]);
        choix_sexe->top = BitBtn8->top;
        choix_sexe->selectionne(tab_shape[n]->contour == Contour::carre ? 0 : 1);
        for (int g = 1; g <= 2; ++g)
            offre_genotypes(g, n);
        cadre_choix_all(1);
        return;
    }

    choix_gen1->selectionne(-1);
    choix_gen2->selectionne(-1);
    ped.changement_genotype = 0;
    stock_ev("choix_all(" + std::to_string(n) + ",left)");
    ped.indiv_courant = n;
    if (ped.dernier_indiv > 2) {
        if (ped.dernier_indiv >= dernier_avant_conjoint) {
            ped.choix_en_cours = 0;
            plateforme.avertissement("La famille est complète : on ne peut plus ajouter de "
                                     "conjoint.");
            return;
        }
        ajout_conjoint(n);
        n = ped.dernier_indiv;
    }
    place_panneau(*choix_alleles, n);
    Group_choix_geno->top = choix_alleles->top;
    Group_choix_geno->left = choix_alleles->left;

    const auto preselectionne = [](RadioGroupe& groupe, const std::string& pheno) {
        groupe.selectionne(-1);
        for (std::size_t i = 0; i < groupe.items.size(); ++i)
            if (avant(pheno, ',') == avant(groupe.items[i], ',') && !pheno.empty())
                groupe.selectionne(static_cast<int>(i));
    };
    preselectionne(*prem_allele, ped.pheno1[n]);
    preselectionne(*sec_allele, ped.pheno2[n]);
    affich_all(n);
    cadre_choix_all(0);
}

// The genotypes of gene g that the founders' gametes allow for individual n's sex.
void TForm1::offre_genotypes(int g, int n) {
    RadioGroupe& liste = *radio_genotype[g];
    const std::string& actuel = g == 1 ? ped.geno1[n] : ped.geno2[n];
    const bool lie_au_sexe = sexe_genotype(actuel) != "rien";
    const bool cercle = tab_shape[n]->contour == Contour::cercle;
    const auto allele = [g](const std::string& gamete) {
        return g == 1 ? tete(gamete) : queue(gamete, 10);
    };
    liste.vide();
    for (int i = 1; i <= modele.nb_genotypes_gene[g]; ++i) {
        CaseACocher& boite = *case_genotype[g][i];
        boite.enabled = false;
        boite.coche(false);
        bool deja_offert = false;
        for (const std::string& a : ped.gam_parent1)
            for (const std::string& b : ped.gam_parent2) {
                const std::string candidat = allele(a) + "," + allele(b);
                if (candidat != boite.caption) continue;
                const std::string sexe = sexe_genotype(boite.caption);
                if (!lie_au_sexe || (cercle && sexe == "femme") || (!cercle && sexe == "homme")) {
                    boite.enabled = true;
                    if (!deja_offert) liste.items.push_back(candidat);
                    deja_offert = true;
                }
                if (boite.caption == actuel) {
                    boite.coche(true);
                    const auto it = std::find(liste.items.begin(), liste.items.end(), actuel);
                    if (it != liste.items.end())
                        liste.selectionne(static_cast<int>(it - liste.items.begin()));
                }
            }
    }
}

void TForm1::prem_alleleClick() {
    if (modele.nb_genes == 1 || sec_allele->index >= 0) all_OK->enabled = true;
    stock_ev("prem_alleleclick." + std::to_string(prem_allele->index));
}

void TForm1::sec_alleleClick() {
    if (prem_allele->index >= 0) all_OK->enabled = true;
    stock_ev("sec_alleleclick." + std::to_string(sec_allele->index));
}

void TForm1::choix_nb_descChange() {
    stock_ev("nb_desc=" + std::to_string(choix_nb_desc->index));
}

// Draws a genotype of the chosen phenotype that fits the individual's sex. When the table
// offers none, no draw is made and the former genotype stays.
void TForm1::tire_genotype(int m, const std::string& pheno, std::string& genotype) {
    const std::string cle = "[" + avant(pheno, ',') + "]";
    std::vector<int> candidats;
    for (int k = 1; k <= modele.nb_genotypes; ++k)
        if (modele.phenotype_du_genotype[k] == cle) candidats.push_back(k);
    if (candidats.empty()) return;
    const auto tire = [&] {
        return modele.genotype_texte[candidats[alea.tirage_alea(
            static_cast<std::uint32_t>(candidats.size()))]];
    };
    if (!contient(modele.genotype_texte[candidats[0]], "X")) {
        genotype = coupe(tire(), 40);
        return;
    }
    const bool cercle = tab_shape[m]->contour == Contour::cercle;
    const auto convient = [cercle](const std::string& g) {
        return cercle ? compte(g, 'X') >= 2 : compte(g, 'X') == 1;
    };
    if (std::none_of(candidats.begin(), candidats.end(),
                     [&](int k) { return convient(modele.genotype_texte[k]); }))
        return;
    std::string g;
    do
        g = tire();
    while (!convient(g));
    genotype = coupe(g, 40);
}

void TForm1::all_OKClick() {
    ped.choix_en_cours = 0;
    const int m = ped.indiv_courant;
    if (!individu_valide(m)) {
        choix_alleles->visible = Group_choix_geno->visible = false;
        return;
    }
    if (prem_allele->index >= 0) {
        ped.pheno1[m] = coupe(prem_allele->texte_choisi(), 40);
        tire_genotype(m, ped.pheno1[m], ped.geno1[m]);
    }
    if (sec_allele->index >= 0) {
        ped.pheno2[m] = coupe(sec_allele->texte_choisi(), 40);
        tire_genotype(m, ped.pheno2[m], ped.geno2[m]);
    }
    tab_shape[m]->hint = tab_label[m]->hint = ped.geno1[m] + "//" + ped.geno2[m];
    affich_all(m);
    choix_alleles->visible = Group_choix_geno->visible = false;
    if (m <= 2) {
        if (!tab_shape[1]->hint.empty() && !tab_shape[2]->hint.empty()) btn_goClick();
    } else {
        BitBtn3Click();
    }
    btn_ok_couleursClick();
    stock_ev("all_okclick");
}

void TForm1::annule_choix() {
    ped.choix_en_cours = 0;
    choix_alleles->visible = Group_choix_geno->visible = false;
    if (ped.dernier_indiv > 2 && ped.changement_genotype == 0) {
        retrait_dernier();
    } else if (individu_valide(ped.indiv_saisi)) {
        Forme& s = *tab_shape[ped.indiv_saisi];
        const bool carre = s.contour == Contour::carre;
        s.contour = tab_shape[41]->contour;
        if (!carre) s.contour = Contour::cercle;
    }
    ped.changement_genotype = 0;
}

void TForm1::all_annulClick(bool par_utilisateur) {
    annule_choix();
    if (par_utilisateur) stock_ev("all_annulclick");
}

void TForm1::BitBtn7Click() {
    ped.choix_en_cours = 0;
    GroupBox4->visible = false;
    stock_ev("bitbtn7click");
    ++ped.dernier_indiv;
    annule_choix();
    if (ped.dernier_indiv > 2)
        retrait_dernier();
    else if (individu_valide(ped.indiv_saisi)) {
        tab_shape[ped.indiv_saisi]->contour = tab_shape[41]->contour;
    }
    ped.changement_genotype = 0;
}

void TForm1::cadre_choix_all(int montre) {
    const int ligne = Label42->height + 4;
    for (RadioGroupe* r : {choix_gen1, choix_gen2})
        r->height = (static_cast<int>(r->items.size()) + 1) * ligne;
    BitBtn8->top = std::max(choix_gen1->height, choix_gen2->height) + choix_gen1->top + 5;
    BitBtn9->top = choix_sexe->top = BitBtn8->top;
    gr_nb_desc2->top = BitBtn8->bottom() + 2;
    Group_choix_geno->height = gr_nb_desc2->bottom() + 5;
    if (montre == 1) Group_choix_geno->visible = true;
}

} // namespace orvan
