// The panels of the main window that show the chosen genes, as the gene choice fills them.
#pragma once

#include "genebank/vues_des_genes.h"

namespace orvan {

class FenetrePrincipale;

class VuesDesGenesFenetre final : public VuesDesGenes {
  public:
    explicit VuesDesGenesFenetre(FenetrePrincipale& fenetre) : f(fenetre) {}

    void vide_listes_phenotypes() override;
    void oublie_genes(ModeleCaracteres& modele, bool montre_fondateurs) override;
    void vide_enonces_et_listes() override;
    void nomme_genes(const Texte& nom1, const Texte& nom2, bool deux) override;
    RadioGroupe& liste_phenotypes(int g) override;
    void offre_genotype(int g, const std::string& genotype) override;
    CaseACocher& case_genotype(int g, int k) override;
    void montre_enonces(int g, const ModeleCaracteres& modele) override;
    void remet_couleurs(Couleur c) override;
    void retire_premiers_items(int nb_genes) override;
    void met_en_page(const ModeleCaracteres& modele) override;
    void range_cases(ModeleCaracteres& modele) override;
    Label& titre() override;
    const Label& mesure_hauteur() override;
    void reprend_demarrage() override;

  private:
    FenetrePrincipale& f;
};

} // namespace orvan
