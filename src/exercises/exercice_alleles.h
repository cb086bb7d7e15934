// The answers panel of the allele exercise: one box per statement on dominance and location,
// for each gene, with its mark beside it.
#pragma once

#include "genebank/modele_caracteres.h"
#include "ui/controles.h"

#include <array>
#include <string>

namespace orvan {

class FenetrePrincipale;

class ExerciceAlleles {
  public:
    explicit ExerciceAlleles(FenetrePrincipale& fenetre) : f(fenetre) {}
    void cree_controles();

    // "Exercices" > "Allèles".
    void montre();
    // "OK": every statement of the genes in use marked "bien" or "faux" beside its box.
    void marque();
    // The cancel that the answers panel and the genotype panel share.
    void annule();

    void remet_reponses();
    void vide_enonces();
    void nomme_genes(const std::string& nom1, const std::string& nom2, bool deux);
    void montre_relations(int g, const ModeleCaracteres& modele);
    void mise_en_page(bool deux_genes);

    Groupe* panneau;
    std::array<Groupe*, 3> boites{};
    std::array<std::array<CaseACocher*, max_relations + 1>, 3> case_relation{};
    std::array<std::array<Label*, max_relations + 1>, 3> label_correction{};
    BoutonGlyphe *ok, *annuler;

  private:
    FenetrePrincipale& f;
};

} // namespace orvan
