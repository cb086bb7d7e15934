// The print window as Qt shows it: borderless, over the main window, modal for the second it
// waits before printing. The core opens and closes it; the user cannot.
#pragma once

#include "panneaux/fenetre_impression.h"
#include "qt/reflet.h"

#include <QDialog>

#include <string>

namespace orvan {

class ImageCaptureeQt;
class MinuterieQt;

class FenetreImpressionQt : public QDialog, public Relais {
  public:
    // principale: the main window of the core and the widget that shows it.
    FenetreImpressionQt(FenetreImpression& fiche, const Fiche& principale, QWidget* fenetre);

    void traite(const std::function<void()>& gestionnaire) override;
    void actualise();
    // Returns once the core has closed the window.
    void montre_modale();

  protected:
    void reject() override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void place();
    FenetreImpression& fiche_;
    const Fiche& principale_;
    QWidget* fenetre_principale_;
    ImageCaptureeQt* image_;
    MinuterieQt* minuterie_;
    std::string caption_;
};

} // namespace orvan
