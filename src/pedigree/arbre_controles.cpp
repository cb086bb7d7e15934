// The pedigree's controls: lines first, then symbols, then labels, so that they stack so.
#include "pedigree/arbre.h"
#include "pedigree/choix_phenotypes.h"
#include "pedigree/liens_pedigree.h"
#include "ui/boutons.h"
#include "ui/geometrie.h"

namespace orvan {

void Arbre::cree_controles() {
    cree_lignes();
    cree_individus();
    relie_lignes();
}

void Arbre::cree_lignes() {
    for (int u = 0; u <= max_unions; ++u) {
        const std::string n = std::to_string(u);
        tab_couple[u] = &place(f.fenetre.cree<Panel>(nullptr, "couple" + n), 0, 0, 50, 5);
        tab_couple[u]->fond = rgb(0, 128, 0);
        tab_union[u] = &place(f.fenetre.cree<Panel>(nullptr, "union_enfant" + n), 0, 0, 100, 5);
        tab_union[u]->fond = rgb(128, 128, 0);
        tab_union[u]->curseur = Curseur::eo;
        tab_vertic[u] = &place(f.fenetre.cree<Panel>(nullptr, "vertic" + n), 0, 0, 5, 50);
        tab_vertic[u]->fond = rgb(0, 0, 128);
        if (u > 0) tab_vertic[u]->curseur = Curseur::ns;
    }
    for (int k = 1; k <= max_individus + 1; ++k) {
        tab_trait[k] =
            &place(f.fenetre.cree<Panel>(nullptr, "Panel" + std::to_string(k)), 0, 0, 5, 20);
        tab_trait[k]->visible = false;
    }
}

void Arbre::cree_individus() {
    for (int k = 1; k <= max_individus + 1; ++k) {
        tab_shape[k] =
            &place(f.fenetre.cree<Forme>(nullptr, "Shape" + std::to_string(k)), 0, 0, 35, 35);
        tab_shape[k]->visible = k <= 2;
    }
    tab_shape[2]->contour = Contour::cercle;
    tab_shape[41]->visible = false;
    for (int k = 1; k <= max_individus + 1; ++k) {
        const std::string nom = k <= max_individus ? "Label" + std::to_string(k) : "Label43";
        tab_label[k] = &f.fenetre.cree<Label>(nullptr, nom, f.plateforme);
        tab_label[k]->police = {8, true};
        tab_label[k]->transparent = false;
        tab_label[k]->visible = false;
    }
    for (int k = 1; k <= max_individus; ++k) {
        const auto clic = [this, k](Bouton b, int, int) { clic_individu(k, b); };
        tab_shape[k]->on_mouse_down = clic;
        tab_label[k]->on_mouse_down = clic;
        // The symbol's hint follows every change of genotype; the label's keeps the first one.
        tab_label[k]->bulle_de = tab_shape[k];
        tab_label[k]->reste_dans = tab_shape[k];
    }
}

void Arbre::relie_lignes() {
    for (int u = 0; u <= max_unions; ++u) {
        Panel& ligne = *tab_union[u];
        ligne.on_mouse_down = [this, u](Bouton, int x, int y) { presse_ligne_fratrie(u, x, y); };
        ligne.on_mouse_move = [this, &ligne](int x, int) { deplace_groupe(ligne, x); };
        ligne.on_mouse_up = [this](Bouton, int, int) { relache_ligne_fratrie(); };
        if (u > 0)
            tab_vertic[u]->on_mouse_down = [this, u](Bouton, int, int) {
                apparait_disparait_fratrie(u);
            };
    }
}

void Arbre::cree_boutons_croisement() {
    bouton_croisement_fondateurs = &cree_bouton(f.fenetre, nullptr, "btn_go", "btn_go", {0, 0, 60});
    bouton_croisement_fondateurs->visible = false;
    bouton_croisement_conjoint = &cree_bouton(f.fenetre, nullptr, "BitBtn3", "btn_go2", {0, 0, 60});
    bouton_croisement_conjoint->visible = false;
    bouton_croisement_fondateurs->on_click = [this] { croise_fondateurs(); };
    bouton_croisement_conjoint->on_click = [this] { croise_conjoint(); };
}

} // namespace orvan
