// The colour panel and the recolouring of the pedigree by phenotype.
#include "app/form1.h"

#include "ui/couleurs.h"
#include "ui/texte.h"

#include <algorithm>

namespace orvan {

void TForm1::choix_coulClick() {
    GroupBox5->visible = true;
}

void TForm1::modif_couleur(Bouton bouton, int i) {
    if (i < 1 || i > max_legende) return;
    int& c = indice_couleur[i];
    if (bouton == Bouton::gauche) {
        if (++c > 16) c = 1;
    } else {
        if (--c < 1) c = 16;
    }
    figure_legende[i]->remplissage = couleurs[c];
}

std::string TForm1::ligne_couleurs() const {
    std::string ligne = "couleur=(";
    for (int i = 1; i <= max_legende; ++i) {
        ligne += std::to_string(numero_couleur(figure_legende[i]->remplissage));
        ligne += i < max_legende ? "," : ")";
    }
    return ligne;
}

void TForm1::btn_ok_couleursClick(bool par_utilisateur) {
    const int n = std::max(2, ped.dernier_indiv);
    const int total = std::min(modele.nb_phenotypes_total, max_legende);
    for (int k = 1; k <= std::min(n, max_individus); ++k) {
        const std::string& cap = tab_label[k]->caption;
        for (int j = 1; j <= total; ++j) {
            const std::string& nom = nom_legende[j]->caption;
            if (contient(cap, "[" + nom + "]") || contient(cap, "[" + nom + ","))
                tab_shape[k]->remplissage = figure_legende[j]->remplissage;
            if (contient(cap, "," + nom + "]")) tab_label[k]->fond = figure_legende[j]->remplissage;
        }
    }
    if (par_utilisateur) stock_ev(ligne_couleurs());
}

void TForm1::btn_annul_couleursClick() {
    GroupBox5->visible = false;
}

} // namespace orvan
