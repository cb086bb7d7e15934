// The question window of the genotype exercise as a Qt dialog: its controls mirrored like the
// main window's, shown without waiting while the exercise waits for a click, and modally while
// it asks. Its place is read in the main window's client area.
#pragma once

#include "exercises/interro_genotype.h"
#include "qt/miroir.h"
#include "qt/reflet.h"

#include <QDialog>

#include <functional>
#include <string>

namespace orvan {

class FenetreInterroQt : public QDialog, public Relais {
  public:
    // principale: the main window, above which the dialog stays; repere: its client area.
    FenetreInterroQt(InterroGenotype& fiche, QWidget& principale, QWidget& repere);

    void traite(const std::function<void()>& gestionnaire) override;
    void actualise();
    // Runs the modal loop until the core closes the window.
    void execute();
    bool modale() const { return modale_; }
    const Miroir& miroir() const { return miroir_; }
    // Runs after the refresh that follows each event of the dialog.
    std::function<void()> apres_evenement;

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    // The window's close button.
    void reject() override;

  private:
    void actualise_fenetre();
    void place();
    void finit_boutons();
    InterroGenotype& fiche_;
    QWidget& repere_;
    QWidget* surface_;
    Miroir miroir_;
    bool modale_ = false;
    bool boutons_finis_ = false;
    bool premiere_ = true;
    std::string caption_;
    int left_ = 0, top_ = 0;
};

} // namespace orvan
