// The shell's own controls.
#include "app/fenetre_principale.h"
#include "ground/messages.h"
#include "ui/boutons.h"
#include "ui/geometrie.h"

namespace orvan {

void Coquille::cree_titres() {
    titre = &f.cree<Label>(nullptr, "titre", f.plateforme);
    titre->tag = 1;
    titre->police = {12, true};
    titre->top = 8;
    titre->visible = false;
    titre->couleur_texte = rgb(0, 0, 128);

    nom_fichier_lu = &f.cree<Label>(nullptr, "nom_fichier_lu", f.plateforme);
    nom_fichier_lu->transparent = false;
    nom_fichier_lu->fond = rgb(0, 0, 128);
    nom_fichier_lu->couleur_texte = rgb(255, 255, 0);
    nom_fichier_lu->visible = false;
}

void Coquille::cree_panneau_mode() {
    panneau_mode = &place(f.cree<Groupe>(nullptr, "Choix_carac"), 0, 120, 220, 200);
    panneau_mode->visible = false;
    presentation = &place(f.cree<Label>(panneau_mode, "Lab_pres", f.plateforme), 30, 18, 0, 0);
    presentation->police = {12, true};
    ecrit(*presentation, msg::genetique_humaine, f.textes.langue());
    bouton_mono = &cree_bouton(f, panneau_mode, "BitBtn4", msg::mono_hybridisme, {30, 50, 160});
    bouton_di = &cree_bouton(f, panneau_mode, "BitBtn5", msg::di_hybridisme, {30, 85, 160});
    bouton_ouvrir = &cree_bouton(f, panneau_mode, "BitBtn10", msg::ouvrir_fichier, {30, 120, 160},
                                 Glyphe::ouvrir);
    bouton_quitter =
        &cree_bouton(f, panneau_mode, "BitBtn11", msg::quitter, {30, 155, 160}, Glyphe::quitter);

    // Only teacher mode shows these buttons.
    bouton_mono->on_click = [this] { choix_enseignant_mono(); };
    bouton_di->on_click = [this] { choix_enseignant_di(); };
    bouton_ouvrir->on_click = [this] { f.historique.ouvrir(); };
    bouton_quitter->on_click = [this] { quitter(); };
}

void Coquille::cree_mesures() {
    mesure_hauteur = &f.cree<Label>(nullptr, "hauteur_carac", f.plateforme);
    mesure_hauteur->set_caption("Hg");
    mesure_hauteur->visible = false;
    mesure_relation = &f.cree<Label>(nullptr, "Label41", f.plateforme);
    mesure_relation->visible = false;
    mesure_genotype = &f.cree<Label>(nullptr, "Label42", f.plateforme);
    mesure_genotype->set_caption("Hg");
    mesure_genotype->visible = false;
    question_caractere = &f.cree<Label>(nullptr, "Label44", f.plateforme);
    question_caractere->tag = 44;
    question_caractere->set_caption(
        "Voulez-vous perdre les données à l'écran pour de nouveaux caractères?");
    question_caractere->visible = false;
}

void Coquille::cree_minuterie() {
    minuterie_demarrage = &f.cree<Minuterie>(nullptr, "Timer_debut");
    minuterie_demarrage->intervalle = 10;
    minuterie_demarrage->enabled = false;
    minuterie_demarrage->on_timer = [this] { sequence_demarrage(); };
}

} // namespace orvan
