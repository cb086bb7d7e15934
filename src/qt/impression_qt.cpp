#include "qt/impression_qt.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace orvan {

namespace {

constexpr double ppp_ecran = 96.0;
// A window spread far beyond the screen (a sibship dragged to the bound of positions) is
// captured less finely rather than not at all.
constexpr std::int64_t pixels_capture_max = std::int64_t{64} << 20;

std::int64_t pixels(QSize taille, int echelle) {
    return std::int64_t{taille.width()} * taille.height() * echelle * echelle;
}

} // namespace

Capture capture_widget(QWidget& widget, int echelle) {
    echelle = std::clamp(echelle, 1, echelle_capture_max);
    const QSize taille = widget.size();
    while (echelle > 1 && pixels(taille, echelle) > pixels_capture_max)
        --echelle;
    QImage image(taille * echelle, QImage::Format_RGB32);
    image.setDevicePixelRatio(echelle);
    image.fill(widget.palette().color(widget.backgroundRole()));
    std::vector<QWidget*> caches;
    for (QWidget* enfant : widget.findChildren<QWidget*>())
        if (enfant->isVisible() && enfant->property(hors_capture).toBool()) {
            enfant->hide();
            caches.push_back(enfant);
        }
    widget.render(&image, QPoint(), QRegion(),
                  QWidget::DrawWindowBackground | QWidget::DrawChildren);
    for (QWidget* enfant : caches)
        enfant->show();
    Capture c;
    c.largeur = taille.width();
    c.hauteur = taille.height();
    c.echelle = echelle;
    const int largeur = image.width();
    c.pixels.resize(static_cast<std::size_t>(largeur) * static_cast<std::size_t>(image.height()));
    const std::size_t ligne = static_cast<std::size_t>(largeur) * sizeof(std::uint32_t);
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(c.pixels.data() + static_cast<std::size_t>(y) * largeur, image.constScanLine(y),
                    ligne);
    return c;
}

int echelle_d_impression(const QWidget& widget) {
    const int ecran = static_cast<int>(std::ceil(widget.devicePixelRatioF()));
    return std::clamp(ecran, 2, echelle_capture_max);
}

QImage image_qt(const Capture& capture) {
    if (capture.vide() || capture.echelle > echelle_capture_max) return {};
    const int largeur = capture.largeur * capture.echelle;
    const int hauteur = capture.hauteur * capture.echelle;
    if (static_cast<std::int64_t>(capture.pixels.size()) <
        pixels(QSize(capture.largeur, capture.hauteur), capture.echelle))
        return {};
    QImage image(reinterpret_cast<const uchar*>(capture.pixels.data()), largeur, hauteur,
                 largeur * 4, QImage::Format_RGB32);
    image.setDevicePixelRatio(capture.echelle);
    return image;
}

void dessine_fond_impression(QPainter& p, const QRect& zone) {
    // Plain paper: the page prints the pedigree and nothing under it.
    static const QImage bitmap = [] {
        QImage b(10, 10, QImage::Format_RGB32);
        b.fill(Qt::white);
        return b;
    }();
    p.drawImage(zone, bitmap);
}

bool dessine_page(QPagedPaintDevice& imprimante, const Capture& page) {
    const QImage image = image_qt(page);
    if (image.isNull()) return false;
    QPainter p;
    if (!p.begin(&imprimante)) return false;
    // The whole window fills the printable width, or the height when the page is too short
    // for that; the pixels keep their shape. The window's size is its size on the screen,
    // whatever the capture's scale.
    const double x = imprimante.logicalDpiX() / ppp_ecran;
    const double y = imprimante.logicalDpiY() / ppp_ecran;
    const double echelle =
        std::min(imprimante.width() / (page.largeur * x), imprimante.height() / (page.hauteur * y));
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(0, 0, page.largeur * x * echelle, page.hauteur * y * echelle), image);
    return p.end();
}

ResultatImpression imprime_par_defaut(const Capture& page) {
    const QPrinterInfo defaut = QPrinterInfo::defaultPrinter();
    if (defaut.isNull()) return ResultatImpression::sans_imprimante;
    QPrinter imprimante(defaut, QPrinter::HighResolution);
    if (!imprimante.isValid()) return ResultatImpression::sans_imprimante;
    imprimante.setDocName(QStringLiteral("Orvan"));
    if (!dessine_page(imprimante, page) || imprimante.printerState() == QPrinter::Error)
        return ResultatImpression::echec;
    return ResultatImpression::imprimee;
}

bool ecrit_pdf(const Capture& page, const QString& chemin) {
    {
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(chemin);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Portrait);
        pdf.setDocName(QStringLiteral("Orvan"));
        pdf.setCreator(QStringLiteral("Orvan"));
        if (!dessine_page(pdf, page)) return false;
    }
    const QFileInfo fichier(chemin);
    return fichier.exists() && fichier.size() > 0;
}

} // namespace orvan
