// What the front end adds to the main window's family area: the phenotype patterns in the
// widgets, the numbers painted on the surface under the controls, the picture export of the
// menu, and the two drawing options kept between runs.
#pragma once

#include "qt/dessin_famille.h"
#include "qt/habillage.h"
#include "qt/options_memorisees.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace orvan {

class FenetreQt;

class FamilleQt : public QObject {
  public:
    FamilleQt(FenetrePrincipale& f, FenetreQt& fenetre);
    ~FamilleQt() override;

    // After each event: the numbers follow the family, a changed option is kept.
    void actualise();
    // "Exporter l'image…": the save dialog, then the picture as the window draws it.
    void exporte_depuis_menu();
    // The save dialog: the chosen file, nullopt when the user cancels. Replaced by the tests.
    std::function<std::optional<QString>(const QString& nom_propose)> dialogue;

    const std::vector<TexteNumero>& numeros() const { return numeros_; }

  protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

  private:
    QString nom_propose() const;
    int echelle_de_l_ecran() const;
    FenetrePrincipale& f_;
    FenetreQt& fenetre_;
    Habillage habillage_;
    OptionsMemorisees options_;
    std::vector<TexteNumero> numeros_;
};

} // namespace orvan
