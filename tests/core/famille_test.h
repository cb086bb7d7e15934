// Helpers for the tests that build a family: the teacher's clicks, and the number of draws the
// program made, read from its generator.
#pragma once

#include "ground/generateur.h"
#include "ground/texte.h"
#include "plateforme_test.h"

#include <string>

namespace orvan::test {

// The colours a pupil names on screen: the gene banks give them by number.
inline const Couleur noir = rgb(0, 0, 0);
inline const Couleur rouge = rgb(255, 0, 0);
inline const Couleur bleu = rgb(0, 0, 255);
inline const Couleur cyan = rgb(0, 255, 255);

// Left click on individual k, click on the phenotype item of each gene in use, OK.
inline void donne_phenotypes(Session& s, int k, int item, int item2 = -1) {
    s->arbre.clic_individu(k, Bouton::gauche);
    s->phenotypes.premier_phenotype->selectionne(item);
    if (item2 >= 0) s->phenotypes.second_phenotype->selectionne(item2);
    s->phenotypes.ok->clic();
}

// With one gene: left click on individual k, its phenotype item, then the item of the number
// of children (0 "hasard", 1..5 for 2..6 children) chosen in the panel, OK.
inline void donne_phenotype_et_nb_enfants(Session& s, int k, int item, int nb_desc) {
    s->arbre.clic_individu(k, Bouton::gauche);
    s->phenotypes.premier_phenotype->selectionne(item);
    s->phenotypes.nb_descendants->choix_utilisateur(nb_desc);
    s->phenotypes.ok->clic();
}

// One gene, or two when second is given, chosen and confirmed as the replay does it.
inline void choisit_genes(Session& s, int premier, int second = -1) {
    if (second < 0) s->coquille.monohybridisme();
    if (second >= 0) s->coquille.dihybridisme();
    s->genes.premier_gene->selectionne(premier);
    if (second >= 0) s->genes.second_gene->selectionne(second);
    s->genes.ok->clic();
}

// How many draws the program made since `avant` was copied from its generator: each draw
// moves the state one step, whatever its range. -1 beyond `plafond` steps.
inline int nb_tirages_depuis(Generateur avant, const Generateur& apres, int plafond = 100000) {
    for (int k = 0; k <= plafond; ++k) {
        if (avant.graine_alea == apres.graine_alea) return k;
        avant.tirage_alea(1);
    }
    return -1;
}

// The last n lines of the log.
inline std::vector<std::string> fin_journal(const Session& s, std::size_t n) {
    return {s.journal().end() - static_cast<std::ptrdiff_t>(n), s.journal().end()};
}

} // namespace orvan::test
