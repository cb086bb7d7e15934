#include "qt/options_memorisees.h"

#include "app/menus.h"
#include "probabilites/frequences.h"
#include "probabilites/frequences_texte.h"
#include "ui/controles.h"

#include <QCoreApplication>
#include <QSettings>

namespace orvan {

namespace {

const QString cle_motifs = QStringLiteral("dessin/motifs");
const QString cle_numerotation = QStringLiteral("dessin/numerotation");
const QString cle_frequences = QStringLiteral("probabilites/frequences");
// A teacher sets the frequencies of a few genes, each a line of some tens of bytes: a longer
// value is none of ours, and is neither read nor kept.
constexpr qsizetype frequences_max = 64 * 1024;

// The program's own settings; a test program keeps its own apart, under its name.
QString organisation() {
    return QStringLiteral("Orvan");
}

// Only the genes whose frequencies differ from the program's are kept: a gene set back to
// its defaults follows the program's.
std::string frequences_changees(const OptionsMemorisees::Frequences& f) {
    static const auto defaut = frequences_par_defaut();
    OptionsMemorisees::Frequences changees;
    for (const auto& [gene, frequences] : f)
        if (const auto d = defaut.find(gene); d == defaut.end() || d->second != frequences)
            changees[gene] = frequences;
    return frequences_en_texte(changees);
}

} // namespace

void OptionsMemorisees::restaure(Menus& menus, Frequences& frequences) {
    QSettings r(organisation(), QCoreApplication::applicationName());
    motifs_ = menus.motifs->checked = r.value(cle_motifs, false).toBool();
    numerotation_ = menus.numerotation->checked = r.value(cle_numerotation, false).toBool();
    // A damaged value keeps only the genes it still reads right.
    const QString texte = r.value(cle_frequences).toString();
    if (texte.size() > frequences_max)
        r.remove(cle_frequences);
    else
        for (auto& [gene, f] : frequences_du_texte(texte.toStdString()))
            frequences[gene] = std::move(f);
    frequences_ = frequences_changees(frequences);
}

void OptionsMemorisees::retient(const Menus& menus, const Frequences& frequences) {
    const std::string changees = frequences_changees(frequences);
    if (menus.motifs->checked == motifs_ && menus.numerotation->checked == numerotation_ &&
        changees == frequences_)
        return;
    motifs_ = menus.motifs->checked;
    numerotation_ = menus.numerotation->checked;
    frequences_ = changees;
    QSettings r(organisation(), QCoreApplication::applicationName());
    r.setValue(cle_motifs, motifs_);
    r.setValue(cle_numerotation, numerotation_);
    r.setValue(cle_frequences, QString::fromStdString(frequences_));
}

} // namespace orvan
