// The genotype exercise: once started from the menu, a click on an individual asks its genotype
// in the question window, which marks each answer "oui" or "non" and gives the right one.
// It changes no genotype; the log keeps each question and its marks for the teacher.
#pragma once

#include "exercises/interro_genotype.h"

#include <cstdint>
#include <string>

namespace orvan {

struct LiensExercices;

class ExerciceGenotypes {
  public:
    explicit ExerciceGenotypes(LiensExercices& liens);
    // While the exercise runs, the clicks on the individuals and on the start picture are its
    // own: to be called once the pedigree and the picture exist.
    void relie_pedigree();

    // "Exercices" > "Génotypes": every individual can be clicked, no genotype shows, and the
    // question window waits with only its caption bar.
    void commence();
    // Asks the genotype of individual n, modally; the exercise goes on only when the pupil
    // asked for another individual.
    void question(int n);
    void apres_question();
    void marque();
    void autre_genotype();
    void termine();
    void aide();

    InterroGenotype dialogue;
    std::string hint_interroge;
    int individu_interroge = 0;
    bool autre_demande = false;

    // The help's topic on the exercises.
    static constexpr int sujet_aide = 4;

  private:
    void attend_un_clic();
    void ferme_hors_question();
    bool casse_exacte(int g) const;
    // The right edge of the family's symbols and labels shown.
    int droite_de_la_famille() const;
    LiensExercices& f;
    bool question_en_cours = false;
};

} // namespace orvan
