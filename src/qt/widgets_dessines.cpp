#include "qt/widgets_dessines.h"

#include "qt/image_depart.h"
#include "qt/impression_qt.h"

#include <QPainter>

namespace orvan {

FormeQt::FormeQt(Forme& f, Relais& relais, QWidget* parent)
    : AvecSouris<QWidget>(f, relais, parent), f_(f), contour_(f.contour),
      remplissage_(f.remplissage) {}

void FormeQt::actualise() {
    if (f_.contour == contour_ && f_.remplissage == remplissage_) return;
    contour_ = f_.contour;
    remplissage_ = f_.remplissage;
    update();
}

void FormeQt::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(couleur_qt(remplissage_));
    // The outline stays inside the control, on whole pixels.
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (contour_ == Contour::cercle)
        p.drawEllipse(r);
    else
        p.drawRect(r);
}

LabelQt::LabelQt(Label& l, Relais& relais, QWidget* parent)
    : AvecSouris<QWidget>(l, relais, parent), l_(l), caption_(l.caption),
      texte_(texte_qt(l.caption)), transparent_(l.transparent), fond_(l.fond),
      couleur_texte_(l.couleur_texte), centre_(l.centre), autosize_(l.autosize) {}

void LabelQt::actualise() {
    if (l_.caption == caption_ && l_.transparent == transparent_ && l_.fond == fond_ &&
        l_.couleur_texte == couleur_texte_ && l_.centre == centre_ && l_.autosize == autosize_)
        return;
    if (l_.caption != caption_) {
        caption_ = l_.caption;
        texte_ = texte_qt(caption_);
    }
    transparent_ = l_.transparent;
    fond_ = l_.fond;
    couleur_texte_ = l_.couleur_texte;
    centre_ = l_.centre;
    autosize_ = l_.autosize;
    update();
}

void LabelQt::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!transparent_) p.fillRect(rect(), couleur_qt(fond_));
    p.setFont(font());
    const int alignement = centre_ && !autosize_
                               ? Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap
                               : Qt::AlignLeft | Qt::AlignTop;
    if (!isEnabled()) {
        // Greyed and etched: the pupil sees at a glance who can no longer be clicked.
        p.setPen(Qt::white);
        p.drawText(rect().translated(1, 1), alignement, texte_);
        p.setPen(QColor(128, 128, 128));
    } else {
        p.setPen(couleur_qt(couleur_texte_));
    }
    p.drawText(rect(), alignement, texte_);
}

PanelQt::PanelQt(Panel& pa, Relais& relais, QWidget* parent)
    : AvecSouris<QWidget>(pa, relais, parent), p_(pa), fond_(pa.fond), caption_(pa.caption) {}

void PanelQt::actualise() {
    if (p_.fond == fond_ && p_.caption == caption_) return;
    fond_ = p_.fond;
    caption_ = p_.caption;
    update();
}

void PanelQt::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), couleur_qt(fond_));
    // A panel large enough to hold something gets a fine edge; a line stays a plain line.
    if (width() > 10 && height() > 10) {
        p.setPen(couleur_qt(fond_).darker(140));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (!caption_.empty()) {
        p.setPen(Qt::black);
        p.setFont(font());
        p.drawText(rect(), Qt::AlignCenter, texte_qt(caption_));
    }
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

ImageQt::ImageQt(Image& i, QWidget* parent) : QWidget(parent), i_(i), dessin_(i.dessin) {}

void ImageQt::actualise() {
    if (i_.dessin == dessin_) return;
    dessin_ = i_.dessin;
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
        cache_ = QPixmap(size() * ratio);
        cache_.setDevicePixelRatio(ratio);
        cache_.fill(Qt::transparent);
        QPainter p(&cache_);
        dessine_image_depart(p, QRectF(QPointF(0, 0), QSizeF(size())));
    }
    QPainter p(this);
    p.drawPixmap(0, 0, cache_);
}

} // namespace orvan
