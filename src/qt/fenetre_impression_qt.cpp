#include "qt/fenetre_impression_qt.h"

#include "qt/conversions_qt.h"
#include "qt/impression_qt.h"
#include "qt/minuterie_qt.h"
#include "qt/progression_qt.h"

#include <QCloseEvent>
#include <QPainter>

namespace orvan {

// The captured picture, centred on its brush.
class ImageCaptureeQt : public QWidget {
  public:
    ImageCaptureeQt(const ImageCapturee& image, QWidget* parent) : QWidget(parent), i_(image) {
        setObjectName(QString::fromStdString(image.nom));
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), couleur_qt(i_.pinceau));
        const QImage image = image_qt(i_.capture);
        if (image.isNull()) return;
        // At the window's size, the capture's finer pixels one for one on a screen as fine.
        p.drawImage((width() - i_.capture.largeur) / 2, (height() - i_.capture.hauteur) / 2, image);
    }

  private:
    const ImageCapturee& i_;
};

FenetreImpressionQt::FenetreImpressionQt(FenetreImpression& fiche, const Fiche& principale,
                                         QWidget* fenetre)
    : QDialog(fenetre, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      fiche_(fiche), principale_(principale), fenetre_principale_(fenetre),
      image_(new ImageCaptureeQt(*fiche.image, this)),
      minuterie_(new MinuterieQt(*fiche.minuterie, *this, this)) {
    setObjectName(QString::fromStdString(fiche.nom()));
    setModal(true);
    setAutoFillBackground(true);
}

void FenetreImpressionQt::traite(const std::function<void()>& gestionnaire) {
    if (ProgressionQt::une_tache_montree()) return;
    // On an error the window closes all the same: it must not stay over the main window.
    if (!execute_gestionnaire(gestionnaire)) fiche_.ferme();
    actualise();
}

// The core places the window from the main window's place; the window manager may have moved
// that one since, so the offsets are kept from where it really is.
void FenetreImpressionQt::place() {
    QPoint origine(principale_.left, principale_.top);
    if (fenetre_principale_) origine = fenetre_principale_->frameGeometry().topLeft();
    const QPoint decalage(fiche_.left - principale_.left, fiche_.top - principale_.top);
    const QSize taille(fiche_.width, fiche_.height);
    if (taille.isValid() && size() != taille) setFixedSize(taille);
    if (pos() != origine + decalage) move(origine + decalage);
}

void FenetreImpressionQt::actualise() {
    if (fiche_.caption != caption_) {
        caption_ = fiche_.caption;
        setWindowTitle(texte_qt(caption_));
    }
    place();
    QPalette pal = palette();
    if (pal.color(QPalette::Window) != couleur_qt(fiche_.fond)) {
        pal.setColor(QPalette::Window, couleur_qt(fiche_.fond));
        setPalette(pal);
    }
    const ImageCapturee& i = *fiche_.image;
    const QRect zone(i.left, i.top, i.width, i.height);
    if (image_->geometry() != zone) image_->setGeometry(zone);
    if (image_->isHidden() == i.visible) image_->setVisible(i.visible);
    image_->update();
    minuterie_->actualise();
    if (!fiche_.visible && isVisible()) done(QDialog::Accepted);
}

void FenetreImpressionQt::montre_modale() {
    actualise();
    if (fiche_.visible) exec();
}

void FenetreImpressionQt::reject() {
    // Escape: the window closes itself once the page has gone.
    if (!fiche_.visible) QDialog::reject();
}

void FenetreImpressionQt::closeEvent(QCloseEvent* e) {
    if (fiche_.visible)
        e->ignore();
    else
        QDialog::closeEvent(e);
}

} // namespace orvan
