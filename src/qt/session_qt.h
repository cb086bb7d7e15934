// The windowed program without its event loop: the platform, the main form and its window.
// lance_interface runs one; the tests drive one directly.
#pragma once

#include "app/fenetre_principale.h"
#include "qt/acces_famille.h"
#include "qt/classe_qt.h"
#include "qt/famille_qt.h"
#include "qt/fenetre_impression_qt.h"
#include "qt/fenetre_qt.h"
#include "qt/interro_genotype_qt.h"
#include "qt/plateforme_qt.h"
#include "qt/statistiques_qt.h"
#include "qt/tableau_famille.h"

#include <memory>
#include <string>
#include <vector>

namespace orvan {

class GuetteurAffichage;

class SessionQt {
  public:
    // Needs a QApplication already.
    explicit SessionQt(std::vector<std::string> arguments = {});
    ~SessionQt();

    // Creates the form's state, shows the window; the start-up sequence runs on the first tick
    // of the start timer.
    void ouvre();
    // The start-up sequence has run.
    bool demarree() const { return demarree_; }
    // Leaves the event loop once the window has been painted after the start-up sequence: how
    // the start-up time is measured.
    void quitte_apres_premier_affichage();

    PlateformeQt plateforme;
    FenetrePrincipale form;
    FenetreQt fenetre;
    FenetreImpressionQt impression;
    // The question window of the genotype exercise, made the first time the exercise needs
    // it, which keeps the program's start quick.
    FenetreInterroQt& interro();
    // Patterns, numbers, the picture export and the options kept between runs.
    FamilleQt famille{form, fenetre};
    // The family by keyboard and by screen reader.
    AccesFamilleQt acces{form, fenetre};
    // "Tableau de la famille", made the first time it is asked for.
    TableauFamilleQt& tableau();
    // "Outils › Statistiques…" and "Fichier › Exporter › PED…".
    StatistiquesQt statistiques{form, fenetre};
    // "Outils › Classe…".
    ClasseQt classe{form, fenetre};

  private:
    std::unique_ptr<FenetreInterroQt> interro_;
    TableauFamilleQt* tableau_ = nullptr; // owned by the window
    void apres_evenement();
    void signale_echec(const std::string& quoi);
    bool ouverte_ = false;
    bool demarree_ = false;
    bool quitter_apres_affichage_ = false;
    GuetteurAffichage* guetteur_ = nullptr; // owned by the window
};

} // namespace orvan
