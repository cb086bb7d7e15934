#include "panneaux/panneau_couleurs.h"

#include "ground/couleurs.h"
#include "ground/texte.h"
#include "ui/boutons.h"
#include "ui/fiche.h"
#include "ui/geometrie.h"
#include "ui/motifs.h"

#include <algorithm>

namespace orvan {

void PanneauCouleurs::cree_controles() {
    panneau = &place(f.cree<Groupe>(nullptr, "GroupBox5"), 10, 40, 150, 200);
    panneau->caption = "Choix des couleurs";
    panneau->tag = 5;
    panneau->visible = false;
    panneau->curseur = Curseur::deplacement;
    for (int i = 1; i <= max_legende; ++i) {
        const bool carre = i % 2 == 1;
        figure_legende[i] = &place(f.cree<Forme>(panneau, "ess_fig" + std::to_string(i)), 12,
                                   20 + (i - 1) * 32, 26, carre ? 26 : 29);
        figure_legende[i]->contour = carre ? Contour::carre : Contour::cercle;
        figure_legende[i]->remplissage = rgb(0, 255, 255);
        figure_legende[i]->on_mouse_down = [this, i](Bouton b, int, int) { modif_couleur(b, i); };
        nom_legende[i] = &f.cree<Label>(panneau, "np" + std::to_string(i), mesure_);
        nom_legende[i]->left = 48;
        nom_legende[i]->top = 26 + (i - 1) * 32;
    }
    ok = &cree_bouton(f, panneau, "btn_ok_couleurs", "OK", {8, 100, 64}, Glyphe::ok);
    fermer =
        &cree_bouton(f, panneau, "btn_annul_couleurs", "Fermer", {76, 100, 66}, Glyphe::fermer);
    fermer->tag = 2;
    ok->on_click = [this] { recolore(true); };
    fermer->on_click = [this] { ferme(); };
}

void PanneauCouleurs::montre() {
    panneau->visible = true;
}

void PanneauCouleurs::ferme() {
    panneau->visible = false;
}

void PanneauCouleurs::modif_couleur(Bouton bouton, int i) {
    if (i < 1 || i > max_legende) return;
    int& c = indice_couleur[i];
    if (bouton == Bouton::gauche) {
        if (++c > 16) c = 1;
    } else {
        if (--c < 1) c = 16;
    }
    figure_legende[i]->remplissage = table[c];
}

std::array<int, max_legende + 1> PanneauCouleurs::couleurs_legende() const {
    std::array<int, max_legende + 1> numeros{};
    for (int i = 1; i <= max_legende; ++i)
        numeros[i] = numero_couleur(figure_legende[i]->remplissage);
    return numeros;
}

// Each symbol takes the colour of its gene-1 phenotype, each label's background that of its
// gene-2 phenotype, as the label shows them.
void PanneauCouleurs::recolore(bool par_utilisateur) {
    const std::vector<std::string> noms = noms_de_la_legende();
    for (int k = 1; k <= std::min(std::max(2, famille_.dernier_indiv()), max_individus); ++k) {
        const std::string& affiche = famille_.individu(k).phenotype_affiche;
        if (const int e = entree_du_symbole(affiche, noms))
            symboles_[k]->remplissage = figure_legende[e]->remplissage;
        if (const int e = entree_du_fond(affiche, noms))
            etiquettes_[k]->fond = figure_legende[e]->remplissage;
    }
    if (par_utilisateur && couleurs_choisies) couleurs_choisies(couleurs_legende());
}

std::vector<std::string> PanneauCouleurs::noms_de_la_legende() const {
    std::vector<std::string> noms;
    const int total = std::min(nb_phenotypes_total_, max_legende);
    for (int i = 1; i <= total; ++i)
        noms.push_back(noms_[static_cast<std::size_t>(i)]);
    return noms;
}

void PanneauCouleurs::applique_numeros(const std::array<int, max_legende + 1>& numeros) {
    for (int i = 1; i <= max_legende; ++i)
        figure_legende[i]->remplissage = table[static_cast<std::size_t>(numeros[i])];
}

void PanneauCouleurs::remet_indices() {
    for (int i = 1; i <= max_legende; ++i)
        indice_couleur[i] = 16;
    table = table_couleurs();
}

void PanneauCouleurs::nomme(int i, const std::string& nom) {
    noms_[static_cast<std::size_t>(i)] = nom;
    nom_legende[i]->set_caption(nom);
}

void PanneauCouleurs::colore_legende(const std::string& nom, int numero, int nb_phenotypes) {
    for (int e = 1; e <= nb_phenotypes; ++e)
        if (noms_[static_cast<std::size_t>(e)] == nom)
            figure_legende[e]->remplissage = table[numero];
}

const Couleur* PanneauCouleurs::couleur_du_phenotype(const std::string& nom) const {
    const Couleur* c = nullptr;
    const int total = std::min(nb_phenotypes_total_, max_legende);
    for (int j = 1; j <= total; ++j)
        if (noms_[static_cast<std::size_t>(j)] == nom) c = &figure_legende[j]->remplissage;
    return c;
}

void PanneauCouleurs::montre_legende(int nb_phenotypes) {
    for (int i = 1; i <= max_legende; ++i)
        nom_legende[i]->visible = figure_legende[i]->visible = i <= nb_phenotypes;
}

void PanneauCouleurs::mise_en_page(int total) {
    const int bas_legende = total >= 1 ? nom_legende[total]->bottom() : 20;
    panneau->height = bas_legende + ok->height + 10;
    ok->top = bas_legende + 5;
    fermer->top = bas_legende + 5;
}

} // namespace orvan
