// What the main window adds to the look of its controls beyond their own values: the pattern
// of the phenotype that a symbol, a label or a colour sample shows while "Motifs" is ticked.
// The widgets find it through their window; the controls of a window without one are drawn
// plainly.
#pragma once

#include "ui/motifs.h"

class QWidget;

namespace orvan {

class FenetrePrincipale;
struct Controle;

class Habillage {
  public:
    explicit Habillage(const FenetrePrincipale& f) : f_(f) {}
    Motif motif(const Controle& c) const;

    // Gives it to the widgets of this window.
    void attache(QWidget& fenetre) const;
    static void detache(QWidget& fenetre);
    static const Habillage* de(const QWidget& w);

  private:
    const FenetrePrincipale& f_;
};

} // namespace orvan
