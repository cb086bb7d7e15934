// The window that asks the genotype of the individual the pupil clicked: a second window of the
// program, with its own controls. Its place is given in the main window's client coordinates,
// so that it stands by the pedigree wherever the main window is.
#pragma once

#include "ui/fiche.h"

namespace orvan {

class InterroGenotype : public Fiche {
  public:
    explicit InterroGenotype(const MesureTexte& mesure);

    // Outer sizes: the dialog border takes 3 pixels on each side and the caption bar 24, round
    // a client area of 223 x 127.
    static constexpr int largeur_bord = 6;
    static constexpr int hauteur_bord = 27;
    static constexpr int largeur_pleine = 223 + largeur_bord;
    static constexpr int hauteur_pleine = 127 + hauteur_bord;
    // Only the caption bar shows.
    static constexpr int hauteur_titre = 18;

    // The caption bar: waiting for a click on an individual, or asking its genotype.
    void attend_un_clic(Langue l);
    // nom: how the lesson names the individual asked ("III-2").
    void demande_genotype(const std::string& nom, Langue l);

    // The window's own close button: it goes without any of its buttons' work.
    void ferme() {
        visible = false;
        if (on_close) on_close();
    }
    std::function<void()> on_close;

    Label* num_gene;
    Saisie *reponse1, *reponse2;
    Label *marque1, *marque2; // Label1, Label2
    Label* reponse_juste;     // lab_rep
    BoutonGlyphe *ok, *autre, *annuler, *aide;
    Biseau* cadre;
    // The control that has the keyboard focus when the window shows.
    Controle* focus;

  private:
    void cree_reponses(const MesureTexte& mesure);
    void cree_boutons();
};

} // namespace orvan
