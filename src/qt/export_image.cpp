#include "qt/export_image.h"

#include "app/fenetre_principale.h"
#include "ground/messages.h"
#include "history/destination.h"
#include "qt/conversions_qt.h"

#include "qt/image_famille.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <optional>

namespace orvan {

namespace {

constexpr int ppp_ecran = 96;
bool ecrit_png(const ImageFamille& image, QIODevice& sortie, int facteur_png) {
    QImage png(image.taille() * facteur_png, QImage::Format_RGB32);
    png.setDevicePixelRatio(facteur_png);
    // Printed at the size it has on the screen.
    const int points_par_metre = static_cast<int>(std::lround(facteur_png * ppp_ecran / 0.0254));
    png.setDotsPerMeterX(points_par_metre);
    png.setDotsPerMeterY(points_par_metre);
    {
        QPainter p(&png);
        image.dessine(p);
    }
    return png.save(&sortie, "PNG");
}

// Written by the core, as any front end writes it.
bool ecrit_svg(const ImageFamille& image, QIODevice& sortie) {
    const std::string document = image.svg();
    return sortie.write(document.data(), static_cast<qint64>(document.size())) ==
           static_cast<qint64>(document.size());
}

bool ecrit_pdf(const ImageFamille& image, QIODevice& sortie) {
    QPdfWriter pdf(&sortie);
    pdf.setCreator(QStringLiteral("Orvan"));
    pdf.setTitle(texte_qt(msg::la_famille.dans(image.famille().textes.langue())));
    // One page just as large as the picture, at the size it has on the screen.
    const QSizeF points = QSizeF(image.taille()) * 72.0 / ppp_ecran;
    pdf.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(ppp_ecran);
    QPainter p;
    if (!p.begin(&pdf)) return false;
    image.dessine(p);
    return p.end();
}

Texte refus_de(Refus refus) {
    switch (refus) {
    case Refus::lien_d_autrui:
        return msg::lien_d_autrui_image;
    case Refus::lien_sans_fin:
        return msg::lien_sans_fin;
    case Refus::fichier_d_autrui:
        return msg::fichier_d_autrui;
    case Refus::pas_un_fichier:
    case Refus::aucun:
        break;
    }
    return msg::pas_un_fichier_a_remplacer;
}

Texte pourquoi(const QString& chemin) {
    const QFileInfo fichier(chemin);
    const QFileInfo dossier(fichier.absolutePath());
    const Texte nom_dossier =
        Texte::tel_quel(texte_core(QDir::toNativeSeparators(dossier.filePath())));
    if (fichier.isDir()) return msg::c_est_un_dossier;
    if (!dossier.exists()) return msg::dossier_absent.avec({nom_dossier});
    if (fichier.exists() && !fichier.isWritable()) return msg::fichier_protege;
    if (!dossier.isWritable()) return msg::dossier_protege.avec({nom_dossier});
    return msg::ecriture_echouee;
}

} // namespace

std::optional<FormatImage> format_du_fichier(const QString& chemin) {
    const QString suffixe = QFileInfo(chemin).suffix().toLower();
    if (suffixe == QLatin1String("png")) return FormatImage::png;
    if (suffixe == QLatin1String("svg")) return FormatImage::svg;
    if (suffixe == QLatin1String("pdf")) return FormatImage::pdf;
    return std::nullopt;
}

QString extension(FormatImage format) {
    switch (format) {
    case FormatImage::png:
        return QStringLiteral("png");
    case FormatImage::svg:
        return QStringLiteral("svg");
    case FormatImage::pdf:
        break;
    }
    return QStringLiteral("pdf");
}

std::optional<Texte> ecrit_image(const ImageFamille& image, const QString& chemin,
                                 FormatImage format, int echelle_png) {
    echelle_png = std::clamp(echelle_png, 1, echelle_png_max);
    const Destination d = destination_d_ecriture(texte_core(chemin));
    if (!remplacable_par_nous(d) && !QFileInfo(chemin).isDir())
        return msg::image_non_ecrite.avec(
            {Texte::tel_quel(texte_core(QDir::toNativeSeparators(chemin))), refus_de(d.refus)});
    QSaveFile fichier(texte_qt(d.cible));
    bool ecrit = fichier.open(QIODevice::WriteOnly);
    if (ecrit) {
        switch (format) {
        case FormatImage::png:
            ecrit = ecrit_png(image, fichier, echelle_png);
            break;
        case FormatImage::svg:
            ecrit = ecrit_svg(image, fichier);
            break;
        case FormatImage::pdf:
            ecrit = ecrit_pdf(image, fichier);
            break;
        }
        // Whatever the writers said, the device knows whether every byte went out.
        ecrit = ecrit && fichier.error() == QFileDevice::NoError;
        if (!ecrit) fichier.cancelWriting();
        ecrit = fichier.commit() && ecrit;
    }
    if (ecrit) return std::nullopt;
    return msg::image_non_ecrite.avec(
        {Texte::tel_quel(texte_core(QDir::toNativeSeparators(chemin))), pourquoi(chemin)});
}

} // namespace orvan
