// The main window's family: the core's scene drawn in a view that zooms and scrolls under the
// panels, the individuals' symbols kept as widgets over their place in the picture for the
// mouse, the keyboard and the screen reader, the choice panels opened beside their individual;
// the picture export of the menu, and the drawing options kept between runs.
#pragma once

#include "app/fenetre_principale.h"
#include "qt/dessin_famille.h"
#include "qt/habillage.h"
#include "qt/options_memorisees.h"

#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>
#include <unordered_set>
#include <vector>

namespace orvan {

class FenetreQt;
class VueScene;

class FamilleQt : public QObject {
  public:
    FamilleQt(FenetrePrincipale& f, FenetreQt& fenetre);
    ~FamilleQt() override;

    // After each event: the picture follows the family, a changed option is kept.
    void actualise();
    VueScene& vue() const { return *vue_; }
    // After a zoom, a scroll or a resize of the view, once the individuals' widgets follow it.
    std::function<void()> apres_changement_de_vue;
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

  private:
    void confie_la_famille_a_la_vue();
    std::optional<QRect> place(const Controle& c);
    std::optional<QRect> place_symbole(int k) const;
    std::optional<QRect> place_panneau(const Controle& panneau);
    void commande(FenetrePrincipale::CommandeVue c);
    void vue_changee();
    QString nom_propose() const;
    int echelle_de_l_ecran() const;
    FenetrePrincipale& f_;
    FenetreQt& fenetre_;
    Habillage habillage_;
    OptionsMemorisees options_;
    VueScene* vue_;
    // The controls that the picture draws, the individuals' symbols apart.
    std::unordered_set<const Controle*> dessines_par_la_vue_;
    // The individual under which a choice panel opened, while it stays open.
    std::vector<std::pair<const Controle*, int>> ancres_;
    bool dans_le_changement_ = false;
};

} // namespace orvan
