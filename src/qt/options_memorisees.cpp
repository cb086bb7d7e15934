#include "qt/options_memorisees.h"

#include "app/menus.h"
#include "ui/controles.h"

#include <QCoreApplication>
#include <QSettings>

namespace orvan {

namespace {

const QString cle_motifs = QStringLiteral("dessin/motifs");
const QString cle_numerotation = QStringLiteral("dessin/numerotation");

// The program's own settings; a test program keeps its own apart, under its name.
QString organisation() {
    return QStringLiteral("Orvan");
}

} // namespace

void OptionsMemorisees::restaure(Menus& menus) {
    const QSettings r(organisation(), QCoreApplication::applicationName());
    motifs_ = menus.motifs->checked = r.value(cle_motifs, false).toBool();
    numerotation_ = menus.numerotation->checked = r.value(cle_numerotation, false).toBool();
}

void OptionsMemorisees::retient(const Menus& menus) {
    if (menus.motifs->checked == motifs_ && menus.numerotation->checked == numerotation_) return;
    motifs_ = menus.motifs->checked;
    numerotation_ = menus.numerotation->checked;
    QSettings r(organisation(), QCoreApplication::applicationName());
    r.setValue(cle_motifs, motifs_);
    r.setValue(cle_numerotation, numerotation_);
}

} // namespace orvan
