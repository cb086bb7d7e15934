#include "app/vues_des_genes_fenetre.h"

#include "app/fenetre_principale.h"

namespace orvan {

void VuesDesGenesFenetre::vide_listes_phenotypes() {
    f.phenotypes.vide_listes();
}

void VuesDesGenesFenetre::oublie_genes(ModeleCaracteres& modele, bool montre_fondateurs) {
    f.genotypes.vide_genotypes(modele);
    f.alleles.remet_reponses();
    f.menus.couleurs->enabled = true;
    if (montre_fondateurs) f.arbre.montre_fondateurs();
}

void VuesDesGenesFenetre::vide_enonces_et_listes() {
    f.alleles.vide_enonces();
    f.phenotypes.vide_listes();
}

void VuesDesGenesFenetre::nomme_genes(const Texte& nom1, const Texte& nom2, bool deux) {
    f.alleles.nomme_genes(nom1, nom2, deux);
    f.phenotypes.nomme_genes(nom1, nom2, deux);
}

RadioGroupe& VuesDesGenesFenetre::liste_phenotypes(int g) {
    return f.phenotypes.liste(g);
}

void VuesDesGenesFenetre::offre_genotype(int g, const std::string& genotype) {
    f.genotypes.offre(g, genotype);
}

CaseACocher& VuesDesGenesFenetre::case_genotype(int g, int k) {
    return *f.genotypes.case_genotype[g][k];
}

void VuesDesGenesFenetre::montre_enonces(int g, const ModeleCaracteres& modele) {
    f.alleles.montre_relations(g, modele);
}

void VuesDesGenesFenetre::remet_couleurs(Couleur c) {
    f.arbre.remet_couleurs(c);
}

void VuesDesGenesFenetre::retire_premiers_items(int nb_genes) {
    f.genotypes.retire_premiers_items(nb_genes);
}

void VuesDesGenesFenetre::met_en_page(const ModeleCaracteres& modele) {
    bool lie_a_x = false;
    for (int g = 1; g <= modele.nb_genes; ++g)
        for (int i = 1; i <= modele.nb_genotypes_gene[g]; ++i)
            lie_a_x = lie_a_x || modele.genotype_du_gene[g][i].find('X') != std::string::npos;
    f.depart.suit_les_genes(lie_a_x);
    f.phenotypes.mise_en_page(modele);
    f.alleles.mise_en_page(modele.nb_genes == 2);
    f.genotypes.mise_en_page(modele);
}

void VuesDesGenesFenetre::range_cases(ModeleCaracteres& modele) {
    f.genotypes.range_cases(modele);
}

Label& VuesDesGenesFenetre::titre() {
    return *f.coquille.titre;
}

const Label& VuesDesGenesFenetre::mesure_hauteur() {
    return *f.coquille.mesure_hauteur;
}

void VuesDesGenesFenetre::reprend_demarrage() {
    f.coquille.minuterie_demarrage->enabled = true;
}

} // namespace orvan
