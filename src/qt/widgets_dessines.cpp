#include "qt/widgets_dessines.h"

#include "qt/disposition_etiquette.h"
#include "qt/habillage.h"
#include "qt/image_depart_en_cache.h"
#include "qt/impression_qt.h"

#include <QPainter>

namespace orvan {

namespace {

// The pattern that the main window gives a control, when it gives one.
Motif motif_de(const QWidget& w, const Controle& c) {
    const Habillage* h = Habillage::de(w);
    return h ? h->motif(c) : Motif::aucun;
}

} // namespace

FormeQt::FormeQt(Forme& f, Relais& relais, QWidget* parent)
    : AvecSouris<QWidget>(f, relais, parent), f_(f), aspect_(aspect_symbole(f, Motif::aucun)) {}

void FormeQt::actualise() {
    const AspectSymbole a = aspect_symbole(f_, motif_de(*this, f_));
    if (a == aspect_) return;
    aspect_ = a;
    update();
}

void FormeQt::paintEvent(QPaintEvent*) {
    if (!dessine_) return;
    QPainter p(this);
    dessine_symbole(p, rect(), aspect_);
}

LabelQt::LabelQt(Label& l, Relais& relais, QWidget* parent)
    : AvecSouris<QWidget>(l, relais, parent), l_(l), caption_(l.caption),
      aspect_(aspect_etiquette(l, Motif::aucun)) {}

void LabelQt::actualise() {
    QString texte = aspect_.texte;
    if (l_.caption != caption_) {
        caption_ = l_.caption;
        texte = texte_qt(caption_);
    }
    AspectEtiquette a = aspect_etiquette(l_, motif_de(*this, l_), std::move(texte));
    if (a == aspect_) return;
    aspect_ = std::move(a);
    update();
}

QRect LabelQt::geometrie() const {
    if (!l_.reste_dans) return Reflet::geometrie();
    const Controle& s = *l_.reste_dans;
    CleZone cle{l_.caption, l_.police, QRect(l_.left, l_.top, l_.width, l_.height),
                QRect(s.left, s.top, s.width, s.height)};
    if (cle_zone_ != cle) {
        zone_ = dispose_etiquette(l_, texte_qt(l_.caption), police_qt(l_.police)).zone;
        cle_zone_ = std::move(cle);
    }
    return zone_;
}

void LabelQt::paintEvent(QPaintEvent*) {
    QPainter p(this);
    AspectEtiquette a = aspect_;
    // A label inside a disabled box is disabled too.
    a.actif = isEnabled();
    a.dessous = couleur_dessous(l_, couleur_core(window()->palette().color(QPalette::Window)));
    DispositionEtiquette d = dispose_etiquette(l_, a.texte, font());
    a.texte = std::move(d.texte);
    dessine_etiquette(p, rect(), a, d.police);
}

PanelQt::PanelQt(Panel& pa, Relais& relais, QWidget* parent)
    : AvecSouris<QWidget>(pa, relais, parent), p_(pa), caption_(pa.caption),
      aspect_(aspect_ligne(pa)) {}

void PanelQt::actualise() {
    if (p_.fond == aspect_.fond && p_.caption == caption_) return;
    caption_ = p_.caption;
    aspect_ = aspect_ligne(p_);
    update();
}

void PanelQt::paintEvent(QPaintEvent*) {
    QPainter p(this);
    dessine_ligne(p, rect(), aspect_, font());
}

GroupeQt::GroupeQt(Groupe& g, Relais& relais, QWidget* parent)
    : AvecSouris<QGroupBox>(g, relais, parent), g_(g), caption_(g.caption) {
    setTitle(texte_qt(caption_));
    // A box stands over the pedigree: what lies beneath must not show through.
    setAutoFillBackground(true);
}

void GroupeQt::actualise() {
    if (g_.fond != fond_) {
        fond_ = g_.fond;
        QPalette p = palette();
        if (fond_)
            p.setColor(QPalette::Window, couleur_qt(*fond_));
        else
            p = parentWidget() ? parentWidget()->palette() : QPalette();
        setPalette(p);
    }
    if (g_.caption == caption_) return;
    caption_ = g_.caption;
    setTitle(texte_qt(caption_));
}

BiseauQt::BiseauQt(Biseau& b, QWidget* parent) : QFrame(parent), b_(b) {
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

ImageQt::ImageQt(Image& i, QWidget* parent)
    : QWidget(parent), i_(i), dessin_(i.dessin), textes_(i.textes) {}

void ImageQt::actualise() {
    if (i_.dessin == dessin_ && i_.textes == textes_) return;
    dessin_ = i_.dessin;
    textes_ = i_.textes;
    cache_ = QPixmap();
    update();
}

void ImageQt::paintEvent(QPaintEvent*) {
    if (dessin_ == Dessin::fond_impression) {
        QPainter p(this);
        dessine_fond_impression(p, rect());
        return;
    }
    if (dessin_ != Dessin::depart) return;
    const qreal ratio = devicePixelRatioF();
    if (cache_.isNull() || cache_.deviceIndependentSize() != QSizeF(size()) ||
        cache_.devicePixelRatio() != ratio) {
        cache_ = QPixmap::fromImage(image_depart(size(), ratio, textes_));
    }
    QPainter p(this);
    p.drawPixmap(0, 0, cache_);
}

} // namespace orvan
