// The family in the main window: the core's scene drawn at a zoom, in a view that scrolls. By
// default the picture fits the view (never larger than it is meant for a desk, larger in the
// presentation on a projector); Ctrl+wheel and the menu zoom in and out from there. A click, a
// right click or a drag on the picture finds what it touches by the scene's boxes and goes to
// that control's handler, as the control's own widget would hand it on.
#pragma once

#include "scene/scene.h"
#include "ui/controles.h"

#include <QAbstractScrollArea>

#include <functional>
#include <optional>

namespace orvan {

class FenetrePrincipale;
class Relais;

class VueScene : public QAbstractScrollArea {
  public:
    VueScene(FenetrePrincipale& f, Relais& relais, QWidget* parent);

    // The scene after an event; the view keeps its zoom, or fits the new picture.
    void montre(Scene scene);
    const Scene& scene() const { return scene_; }

    double zoom() const { return zoom_; }
    bool ajustee() const { return ajustee_; }
    void zoom_avant();
    void zoom_arriere();
    void taille_reelle();
    void ajuste();
    // The presentation lets the fitted picture grow as large as the screen allows.
    void presentation(bool oui);

    // A box of the scene where the viewport shows it.
    QRectF vers_ecran(const Boite& b) const;
    QPointF vers_scene(QPointF ecran) const;
    // Whatever the view changed (zoom, scroll, size): what stands over it follows.
    std::function<void()> apres_changement;

    static constexpr double zoom_min = 0.25, zoom_max = 6;

  protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override { mousePressEvent(e); }
    bool viewportEvent(QEvent* e) override;

  private:
    // What a point of the scene touches: a control of the core and, for a sibship's line, the
    // line to drag.
    struct Touche {
        Controle* controle = nullptr;
        orvan::Panel* ligne_fratrie = nullptr;
    };
    Touche touche(QPointF point) const;
    void change_zoom(double zoom, QPointF fixe);
    void met_a_jour_barres();
    QPointF origine() const; // where the scene's (0, 0) stands in the viewport
    double zoom_ajuste() const;

    FenetrePrincipale& f_;
    Relais& relais_;
    Scene scene_;
    double zoom_ = 1;
    bool ajustee_ = true;
    bool presentation_ = false;
    // A sibship's line being dragged: where the press stood, in the scene's units.
    struct Glissement {
        orvan::Panel* ligne = nullptr;
        int union_famille = -1;
        double x_depart = 0;
        int gauche_depart = 0;
    };
    std::optional<Glissement> glissement_;
};

} // namespace orvan
