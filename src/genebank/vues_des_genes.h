// The panels that show the chosen genes, filled as "OK" of the gene choice reads the bank: the
// phenotype lists, the genotype panel, the allele exercise's statements, the pedigree's
// founders, and the window's own title and measures. The window gives them.
#pragma once

#include "ground/textes.h"
#include "regles/modele_caracteres.h"
#include "ui/controles.h"

#include <string>

namespace orvan {

class VuesDesGenes {
  public:
    virtual ~VuesDesGenes() = default;

    // A new list of genes: the phenotype lists are emptied.
    virtual void vide_listes_phenotypes() = 0;
    // "OK", before the bank is read: the last genes' genotypes and answers go, the colour menu
    // opens, and the founders show once the choice is complete.
    virtual void oublie_genes(ModeleCaracteres& modele, bool montre_fondateurs) = 0;
    // The statements and the phenotype lists emptied, then named after the genes.
    virtual void vide_enonces_et_listes() = 0;
    virtual void nomme_genes(const Texte& nom1, const Texte& nom2, bool deux) = 0;
    // What the bank's entry of gene g fills as it is read.
    virtual RadioGroupe& liste_phenotypes(int g) = 0;
    // A genotype of gene g joins the genotype panel's list.
    virtual void offre_genotype(int g, const std::string& genotype) = 0;
    virtual CaseACocher& case_genotype(int g, int k) = 0;
    virtual void montre_enonces(int g, const ModeleCaracteres& modele) = 0;
    // Once the bank is read.
    virtual void remet_couleurs(Couleur c) = 0;
    virtual void retire_premiers_items(int nb_genes) = 0;
    virtual void met_en_page(const ModeleCaracteres& modele) = 0;
    virtual void range_cases(ModeleCaracteres& modele) = 0;

    // The window's title over the pedigree, the hidden label that measures a line of a list,
    // and the start-up that a cancel of the choice lets go on.
    virtual Label& titre() = 0;
    virtual const Label& mesure_hauteur() = 0;
    virtual void reprend_demarrage() = 0;
};

} // namespace orvan
