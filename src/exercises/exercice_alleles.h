// The answers panel of the allele exercise: one box per statement on dominance and location,
// for each gene, with its mark beside it.
#pragma once

#include "regles/modele_caracteres.h"
#include "ui/controles.h"

#include <array>
#include <string>

namespace orvan {

struct LiensExercices;

class ExerciceAlleles {
  public:
    explicit ExerciceAlleles(LiensExercices& liens) : f(liens) {}
    void cree_controles();

    // "Exercices" > "Allèles".
    void montre();
    // Shown or hidden as a saved family's pupil left it; no line of the log says so.
    void comme_laisse(bool ouvert) { panneau->visible = ouvert; }
    // "OK": every statement of the genes in use marked "bien" or "faux" beside its box.
    void marque();
    // The genotype panel's cancel. Files saved before the answers panel had a close of its
    // own used it for that panel too: their lines replay it.
    void annule();
    // "Annuler" of the answers panel: the panel closes, the family stays as it is.
    void ferme();
    // The pupil's tick of statement i of gene g, kept in the log so that the answers come back.
    void note_reponse(int g, int i);

    void remet_reponses();
    void vide_enonces();
    void nomme_genes(const Texte& nom1, const Texte& nom2, bool deux);
    // The statements' boxes sized again to their texts, after a change of language.
    void remesure_relations();
    void montre_relations(int g, const ModeleCaracteres& modele);
    void mise_en_page(bool deux_genes);

    Groupe* panneau;
    std::array<Groupe*, 3> boites{};
    std::array<std::array<CaseACocher*, max_relations + 1>, 3> case_relation{};
    std::array<std::array<Label*, max_relations + 1>, 3> label_correction{};
    BoutonGlyphe *ok, *annuler;
    // Each statement's mark as the last "OK" gave it; none before the first, and for new genes.
    enum class Marque { aucune, bien, faux };
    std::array<std::array<Marque, max_relations + 1>, 3> marques{};

  private:
    int largeur_case(const CaseACocher& c) const;
    LiensExercices& f;
};

} // namespace orvan
