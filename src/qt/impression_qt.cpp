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
#include <cstring>

namespace orvan {

namespace {

constexpr double ppp_ecran = 96.0;

} // namespace

Capture capture_widget(QWidget& widget) {
    QImage image = widget.grab().toImage();
    const QSize taille = widget.size();
    if (image.size() != taille)
        image = image.scaled(taille, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image = image.convertToFormat(QImage::Format_RGB32);
    Capture c;
    c.largeur = image.width();
    c.hauteur = image.height();
    c.pixels.resize(static_cast<std::size_t>(c.largeur) * static_cast<std::size_t>(c.hauteur));
    const std::size_t ligne = static_cast<std::size_t>(c.largeur) * sizeof(std::uint32_t);
    for (int y = 0; y < c.hauteur; ++y)
        std::memcpy(c.pixels.data() + static_cast<std::size_t>(y) * c.largeur,
                    image.constScanLine(y), ligne);
    return c;
}

QImage image_qt(const Capture& capture) {
    if (capture.vide() || capture.pixels.size() < static_cast<std::size_t>(capture.largeur) *
                                                      static_cast<std::size_t>(capture.hauteur))
        return {};
    return QImage(reinterpret_cast<const uchar*>(capture.pixels.data()), capture.largeur,
                  capture.hauteur, capture.largeur * 4, QImage::Format_RGB32);
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
    // for that; the pixels keep their shape.
    const double x = imprimante.logicalDpiX() / ppp_ecran;
    const double y = imprimante.logicalDpiY() / ppp_ecran;
    const double echelle = std::min(imprimante.width() / (image.width() * x),
                                    imprimante.height() / (image.height() * y));
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(0, 0, image.width() * x * echelle, image.height() * y * echelle), image);
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
