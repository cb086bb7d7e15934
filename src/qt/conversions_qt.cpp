#include "qt/conversions_qt.h"

#include "qt/application_gardee.h"
#include "qt/reflet.h"

#include <QStringList>

#include <algorithm>
#include <exception>

namespace orvan {

bool execute_gestionnaire(const std::function<void()>& gestionnaire) {
    try {
        gestionnaire();
        return true;
    } catch (const std::exception& e) {
        signale_erreur_interne(e.what());
        return false;
    }
}

QString texte_qt(const std::string& texte) {
    QString t = QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
    if (t.contains(QLatin1Char('\r'))) {
        t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    }
    return t;
}

std::string texte_core(const QString& texte) {
    return texte.toUtf8().toStdString();
}

QColor couleur_qt(Couleur c) {
    return QColor(static_cast<int>(c & 0xff), static_cast<int>((c >> 8) & 0xff),
                  static_cast<int>((c >> 16) & 0xff));
}

Couleur couleur_core(const QColor& c) {
    return rgb(c.red(), c.green(), c.blue());
}

QFont police_qt(const Police& police) {
    QFont f;
    // Faces with the proportions the window's fixed layout was drawn for come first; any sans
    // serif face will do when none of them is installed.
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                   QStringLiteral("Nimbus Sans"), QStringLiteral("Arial"),
                   QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(std::max(1, (police.taille * 96 + 36) / 72));
    f.setBold(police.gras);
    return f;
}

std::optional<Bouton> bouton_core(Qt::MouseButton bouton) {
    switch (bouton) {
    case Qt::LeftButton:
        return Bouton::gauche;
    case Qt::RightButton:
        return Bouton::droit;
    case Qt::MiddleButton:
        return Bouton::milieu;
    default:
        return std::nullopt;
    }
}

Qt::CursorShape curseur_qt(Curseur curseur) {
    switch (curseur) {
    case Curseur::ns:
        return Qt::SizeVerCursor;
    case Curseur::eo:
        return Qt::SizeHorCursor;
    case Curseur::deplacement:
        return Qt::SizeAllCursor;
    case Curseur::normal:
        break;
    }
    return Qt::ArrowCursor;
}

} // namespace orvan
