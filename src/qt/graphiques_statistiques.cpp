#include "qt/graphiques_statistiques.h"

#include "ground/messages.h"
#include "qt/conversions_qt.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLineSeries>
#include <QPainter>
#include <QPixmap>
#include <QSaveFile>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QValueAxis>
#include <QWidget>

#include <algorithm>

namespace orvan {

namespace {

QValueAxis* axe(const QString& titre, double min, double max) {
    auto* a = new QValueAxis;
    a->setTitleText(titre);
    a->setRange(min, max);
    return a;
}

void attache(QChart* c, QAbstractSeries* s, QAbstractAxis* x, QAbstractAxis* y) {
    c->addSeries(s);
    if (!c->axes(Qt::Horizontal).contains(x)) c->addAxis(x, Qt::AlignBottom);
    if (!c->axes(Qt::Vertical).contains(y)) c->addAxis(y, Qt::AlignLeft);
    s->attachAxis(x);
    s->attachAxis(y);
}

} // namespace

QChart* graphique_comparaison(const Comparaison& c, const Texte& titre, const Traduction& t) {
    const auto texte = [&t](const Texte& x) { return texte_qt(t(x)); };
    auto* graphique = new QChart;
    graphique->setTitle(texte(titre));
    auto* observes = new QBarSet(texte(msg::observe));
    auto* attendus = new QBarSet(texte(msg::attendu));
    QStringList cases;
    double max = 1;
    for (std::size_t i = 0; i < c.cases.size(); ++i) {
        *observes << c.observes[i];
        *attendus << c.attendus[i];
        cases << texte(c.cases[i]);
        max = std::max({max, c.observes[i], c.attendus[i]});
    }
    auto* barres = new QBarSeries;
    barres->append(observes);
    barres->append(attendus);
    auto* x = new QBarCategoryAxis;
    x->append(cases);
    auto* y = axe(texte(msg::enfants), 0, max * 1.1);
    // Round steps: counts of children, not fractions of the tallest bar.
    y->applyNiceNumbers();
    y->setLabelFormat(QStringLiteral("%g"));
    attache(graphique, barres, x, y);
    return graphique;
}

QChart* graphique_proportion(const std::vector<double>& proportions, const QString& phenotype,
                             std::optional<double> attendue, const Traduction& t) {
    const auto texte = [&t](const Texte& x) { return texte_qt(t(x)); };
    auto* graphique = new QChart;
    graphique->setTitle(
        texte(msg::proportion_titre.avec({Texte::tel_quel(texte_core(phenotype))})));
    auto* courbe = new QLineSeries;
    courbe->setName(texte(msg::observee));
    for (std::size_t i = 0; i < proportions.size(); ++i)
        courbe->append(static_cast<double>(i + 1), proportions[i]);
    const double n = std::max<double>(2, static_cast<double>(proportions.size()));
    auto* x = axe(texte(msg::familles_axe), 1, n);
    x->setLabelFormat(QStringLiteral("%d"));
    auto* y = axe(texte(msg::proportion), 0, 1);
    attache(graphique, courbe, x, y);
    if (attendue) {
        auto* ligne = new QLineSeries;
        ligne->setName(texte(msg::attendue));
        ligne->append(1, *attendue);
        ligne->append(n, *attendue);
        attache(graphique, ligne, x, y);
    }
    return graphique;
}

QChart* graphique_calibration(const std::vector<GroupeCalibration>& groupes, const Traduction& t) {
    const auto texte = [&t](const Texte& x) { return texte_qt(t(x)); };
    auto* graphique = new QChart;
    graphique->setTitle(texte(groupes.empty() ? msg::calibration_vide : msg::calibration_titre));
    auto* x = axe(texte(msg::probabilite_montree), 0, 1);
    auto* y = axe(texte(msg::fraction_porteuse), 0, 1);
    auto* diagonale = new QLineSeries;
    diagonale->setName(texte(msg::diagonale));
    diagonale->append(0, 0);
    diagonale->append(1, 1);
    attache(graphique, diagonale, x, y);
    auto* points = new QScatterSeries;
    points->setName(texte(msg::groupes_individus));
    for (const GroupeCalibration& g : groupes)
        points->append(g.probabilite, g.frequence());
    attache(graphique, points, x, y);
    return graphique;
}

std::optional<Texte> enregistre_graphique(QWidget& vue, const QString& chemin) {
    // Told before any file is made.
    if (!chemin.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive) &&
        !chemin.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return msg::graphique_png_ou_svg;
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return msg::creation_impossible.avec({Texte::tel_quel(texte_core(chemin))});
    if (chemin.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&fichier);
        svg.setSize(vue.size());
        svg.setViewBox(QRect(QPoint(0, 0), vue.size()));
        svg.setTitle(vue.window()->windowTitle());
        QPainter p(&svg);
        vue.render(&p);
    } else {
        QPixmap image(vue.size() * 2);
        image.setDevicePixelRatio(2);
        image.fill(Qt::white);
        QPainter p(&image);
        vue.render(&p);
        p.end();
        if (!image.save(&fichier, "PNG")) return msg::erreur_ecriture;
    }
    if (!fichier.commit()) return msg::erreur_ecriture;
    return std::nullopt;
}

} // namespace orvan
