// The phenotype label of an individual being chosen, and the panel that goes with it.
#include "app/form1.h"

#include "ui/texte.h"

namespace orvan {

void TForm1::affich_all(int n) {
    Label& l = *tab_label[n];
    const Forme& s = *tab_shape[n];
    std::string texte;
    if (prem_allele->index >= 0) texte = "[" + avant(prem_allele->texte_choisi(), ',') + "]";
    if (modele.nb_genes == 2 && sec_allele->index >= 0) {
        const std::string ajout = "," + avant(sec_allele->texte_choisi(), ',');
        texte.insert(texte.empty() ? 0 : texte.size() - 1, ajout);
    }
    l.set_caption(texte);
    l.top = s.top + 10;
    l.left = s.left + s.width / 2 - l.width / 2;
    l.visible = true;

    if (menu_pheno->checked) choix_alleles->visible = true;
    if (menu_geno->checked) {
        choix_gen1->vide();
        choix_gen2->vide();
        for (int g = 1; g <= 2; ++g)
            for (int i = 1; i <= max_genotypes_gene; ++i) {
                case_genotype[g][i]->enabled = true;
                case_genotype[g][i]->coche(false);
            }
        for (int g = 1; g <= 2; ++g)
            for (int i = 1; i <= modele.nb_genotypes_gene[g]; ++i) {
                CaseACocher& boite = *case_genotype[g][i];
                if (s.contour == Contour::cercle && contient(boite.caption, "Y"))
                    boite.enabled = false;
                if (s.contour == Contour::carre && compte(boite.caption, 'X') >= 2)
                    boite.enabled = false;
            }
        cadre_choix_all(1);
        for (int g = 1; g <= 2; ++g)
            for (int i = 1; i <= modele.nb_genotypes_gene[g]; ++i)
                if (case_genotype[g][i]->enabled)
                    radio_genotype[g]->items.push_back(case_genotype[g][i]->caption);
    }
    all_OK->enabled = false;
    BitBtn8->enabled = false;
}

} // namespace orvan
