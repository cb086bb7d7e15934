// What the front end adds to the main window's family area: the phenotype patterns in the
// widgets, the numbers painted on the surface under the controls, the picture export of the
// menu, and the two drawing options kept between runs.
#pragma once

#include "qt/dessin_famille.h"
#include "qt/habillage.h"
#include "qt/options_memorisees.h"

#include <QObject>
#include <QSize>
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
    // What the save dialog gives: the file, and the PNG's pixels for one screen pixel.
    struct ChoixImage {
        QString chemin;
        int echelle_png = 2;
    };
    // The save dialog, given the name and scale it proposes and the picture's size on the
    // screen: nullopt when the user cancels. Replaced by the tests.
    std::function<std::optional<ChoixImage>(const QString& nom_propose, int echelle_proposee,
                                            QSize taille)>
        dialogue;

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
