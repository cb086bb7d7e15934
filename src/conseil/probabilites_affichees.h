// Genetic counselling on the pedigree: under each symbol the probability that the individual
// is a carrier, a dot in an obligate carrier's symbol, its genotypes' probabilities in the
// tooltip, and for one individual the Bayes table that reaches them.
#pragma once

#include "ground/plateforme.h"
#include "pedigree/modele_pedigree.h"
#include "probabilites/moteur_probabilites.h"
#include "ui/controles.h"

#include <array>
#include <functional>
#include <optional>

namespace orvan {

class Fiche;

class ProbabilitesAffichees {
  public:
    explicit ProbabilitesAffichees(Plateforme& plateforme) : plateforme_(plateforme) {}
    // Above the symbols they stand in and under.
    void cree_controles(Fiche& f);

    // After each event: the texts and dots follow the family as the pupil sees it, under the
    // symbols where they now stand, clear of the couples' lines down to their children. A
    // contradiction is said once, naming the individual. Returns whether a text or a dot
    // changed.
    bool actualise(const FamilleVue& vue, const std::array<Forme*, max_individus + 2>& symboles,
                   const std::array<Panel*, max_unions + 1>& verticales);
    // The Bayes table of individual k, each gene in turn, in a dialog.
    // nom: how the lesson names individual k ("II-3").
    void montre_table_bayes(int k, const std::string& nom);

    bool montrees = false;
    APriori a_priori = APriori::programme;
    std::map<std::string, FrequencesGene> frequences;
    // A click on an individual's probability or dot.
    std::function<void(int)> clic_individu;

    std::array<Label*, max_individus + 1> textes{};
    std::array<Forme*, max_individus + 1> points{};

  private:
    void calcule(const FamilleVue& vue);
    void cache_tout();
    void place(const FamilleVue& vue, const std::array<Forme*, max_individus + 2>& symboles,
               const std::array<Panel*, max_unions + 1>& verticales);
    // What the texts and dots show, to tell a change.
    std::string apparence() const;
    void montre_individu(int k, const ProbabilitesIndividu& p, Sexe sexe, const Forme& symbole);

    Plateforme& plateforme_;
    LoiEnfantProgramme lois_;
    // What was computed last: the family, the prior and the frequencies.
    struct Calcul {
        FamilleVue vue;
        APriori a_priori;
        std::map<std::string, FrequencesGene> frequences;
        bool operator==(const Calcul&) const = default;
    };
    std::optional<Calcul> calculee_;
    ResultatProbabilites resultat_;
    std::vector<EspaceGene> espaces_;
};

} // namespace orvan
