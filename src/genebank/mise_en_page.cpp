// Layout of the panels that the chosen genes fill: phenotype choice, answers, colours and
// genotypes.
#include "app/form1.h"

#include <algorithm>

namespace orvan {

void TForm1::mise_en_page_choix() {
    const bool deux = modele.nb_genes == 2;
    all_OK->top = prem_allele->bottom() + 5;
    all_annul->top = all_OK->top;
    choix_alleles->height = all_OK->bottom() + 5;
    sec_allele->visible = deux;

    // The number box and the buttons stand under the shorter list.
    RadioGroupe* liste = prem_allele;
    if (deux) {
        choix_alleles->width = sec_allele->right() + 7;
        liste = prem_allele->height < sec_allele->height ? prem_allele : sec_allele;
    } else {
        choix_alleles->width = prem_allele->right() + 7;
    }
    group_nb_desc->top = liste->bottom() + 5;
    group_nb_desc->left = liste->left;
    all_OK->top = group_nb_desc->bottom() + 5;
    all_OK->left = liste->left;
    all_annul->left = all_OK->right() + 3;
    all_annul->top = all_OK->top;
    choix_alleles->height = liste->bottom() + 5 + group_nb_desc->height + 5 + all_OK->height + 5;
    sec_gene_interro->visible = deux;
    GroupBox4->width = deux ? 290 : 147;

    const int total = modele.nb_phenotypes_total;
    const int bas_legende = total >= 1 ? nom_legende[total]->bottom() : 20;
    GroupBox5->height = bas_legende + btn_ok_couleurs->height + 10;
    btn_ok_couleurs->top = bas_legende + 5;
    btn_annul_couleurs->top = bas_legende + 5;

    const int g_plus = modele.nb_genotypes_gene[1] > modele.nb_genotypes_gene[2] ? 1 : 2;
    const int n = modele.nb_genotypes_gene[g_plus];
    const int bas_cases = n >= 1 ? case_genotype[g_plus][n]->bottom() : 16;
    GroupBox2->height = GroupBox3->height = bas_cases + 5;
    for (int g = 1; g <= 2; ++g)
        radio_genotype[g]->height =
            static_cast<int>(radio_genotype[g]->items.size()) * (Label42->height + 4) + 1;
    BitBtn8->top = BitBtn9->top = GroupBox2->bottom() + 5;
    gr_nb_desc2->top = BitBtn9->bottom() + 5;
    Group_choix_geno->height = gr_nb_desc2->bottom() + 5;
}

} // namespace orvan
