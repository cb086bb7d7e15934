// Moving a sibship sideways, and leaving the genotype question mode.
#include "app/fenetre_principale.h"

namespace orvan {

void Arbre::decale_fratrie(int u, int delta) {
    f.journal.stock_ev("decal_fratrie(" + std::to_string(u) + "," + std::to_string(delta) + ")");
    if (u < 0 || u > max_unions) return;
    const Fratrie fratrie = ped.fratrie[u];
    for (int j = fratrie.debut + 1; j <= fratrie.debut + fratrie.nb_enfants; ++j) {
        if (j < 1 || j > max_individus) continue;
        tab_trait[j]->left += delta;
        tab_shape[j]->left += delta;
        tab_label[j]->left += delta;
    }
}

void Arbre::regen_shape() {
    for (int k = 1; k <= max_individus; ++k) {
        tab_shape[k]->enabled = tab_label[k]->enabled = ped.etat_actif[k] != 0;
        tab_shape[k]->show_hint = tab_label[k]->show_hint = true;
    }
    ped.mode_interro_geno = 0;
    f.interro.dialogue.caption = InterroGenotype::titre_attente;
    // Waiting on, it would ask for a click that no longer asks anything.
    f.interro.dialogue.visible = false;
}

} // namespace orvan
