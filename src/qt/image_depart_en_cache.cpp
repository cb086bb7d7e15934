#include "qt/image_depart_en_cache.h"

#include "history/destination.h"
#include "qt/conversions_qt.h"
#include "qt/image_depart.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSysInfo>

namespace orvan {

namespace {

const QString prefixe = QStringLiteral("image-depart-");

// What the picture depends on. The program's file stands for its drawing code: a new build or
// a new version draws it again.
QByteArray cle(QSize taille, qreal ratio, const std::vector<std::string>& textes) {
    QCryptographicHash h(QCryptographicHash::Sha1);
    for (const std::string& t : textes) {
        h.addData(QByteArrayView(t.data(), static_cast<qsizetype>(t.size())));
        h.addData(QByteArrayView("\n", 1));
    }
    const QFileInfo programme(QCoreApplication::applicationFilePath());
    h.addData(QStringLiteral("%1x%2@%3;%4;%5;%6")
                  .arg(taille.width())
                  .arg(taille.height())
                  .arg(ratio)
                  .arg(programme.size())
                  .arg(programme.lastModified().toMSecsSinceEpoch())
                  .arg(QString::fromLatin1(qVersion()))
                  .toUtf8());
    return h.result().toHex().left(20);
}

// The pixels as the window paints them, after a header of their format and size: a compressed
// picture took half as long to read as to draw.
QByteArray entete_de(QSize pixels) {
    const QByteArray ordre = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "le " : "be ";
    return QByteArrayLiteral("orvan-image-depart 1 argb32p ") + ordre +
           QByteArray::number(pixels.width()) + 'x' + QByteArray::number(pixels.height()) + '\n';
}

// The cache holds only plain files of ours: a link to a device or to another user's file is
// neither read nor replaced.
bool a_nous(const QString& fichier) {
    const Destination d = destination_d_ecriture(texte_core(fichier));
    return remplacable_par_nous(d) && d.cible == texte_core(fichier);
}

QImage lit(const QString& fichier, QSize pixels) {
    if (!a_nous(fichier)) return {};
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly) || f.readLine(128) != entete_de(pixels)) return {};
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    const qint64 octets = image.sizeInBytes();
    if (image.isNull() || f.read(reinterpret_cast<char*>(image.bits()), octets) != octets ||
        !f.atEnd())
        return {};
    return image;
}

// Only the newest picture is kept: the others were for another size, language or build.
void range(const QString& fichier, const QImage& image) {
    const QFileInfo info(fichier);
    QDir dossier = info.dir();
    if (!dossier.mkpath(QStringLiteral("."))) return;
    for (const QString& ancien : dossier.entryList({prefixe + QLatin1Char('*')}, QDir::Files))
        if (ancien != info.fileName()) dossier.remove(ancien);
    if (!a_nous(fichier)) return;
    QSaveFile f(fichier);
    if (!f.open(QIODevice::WriteOnly)) return;
    f.write(entete_de(image.size()));
    f.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    f.commit();
}

} // namespace

QString fichier_image_depart(QSize taille, qreal ratio, const std::vector<std::string>& textes) {
    const QString dossier = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (dossier.isEmpty()) return {};
    return dossier + QLatin1Char('/') + prefixe + QString::fromLatin1(cle(taille, ratio, textes)) +
           QStringLiteral(".argb");
}

QImage image_depart(QSize taille, qreal ratio, const std::vector<std::string>& textes) {
    const QSize pixels = taille * ratio;
    const QString fichier = fichier_image_depart(taille, ratio, textes);
    QImage image = fichier.isEmpty() ? QImage() : lit(fichier, pixels);
    if (image.isNull()) {
        image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QPainter p(&image);
        dessine_image_depart(p, QRectF(QPointF(0, 0), QSizeF(taille)), textes);
        p.end();
        if (!fichier.isEmpty()) range(fichier, image);
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

} // namespace orvan
