#include "qt/graphiques_statistiques.h"

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

QChart* graphique_comparaison(const Comparaison& c, const QString& titre) {
    auto* graphique = new QChart;
    graphique->setTitle(titre);
    auto* observes = new QBarSet(QStringLiteral("observé"));
    auto* attendus = new QBarSet(QStringLiteral("attendu"));
    QStringList cases;
    double max = 1;
    for (std::size_t i = 0; i < c.cases.size(); ++i) {
        *observes << c.observes[i];
        *attendus << c.attendus[i];
        cases << texte_qt(c.cases[i]);
        max = std::max({max, c.observes[i], c.attendus[i]});
    }
    auto* barres = new QBarSeries;
    barres->append(observes);
    barres->append(attendus);
    auto* x = new QBarCategoryAxis;
    x->append(cases);
    attache(graphique, barres, x, axe(QStringLiteral("enfants"), 0, max * 1.1));
    return graphique;
}

QChart* graphique_proportion(const std::vector<double>& proportions, const QString& phenotype,
                             std::optional<double> attendue) {
    auto* graphique = new QChart;
    graphique->setTitle(QStringLiteral("Proportion des enfants %1 à mesure que les familles "
                                       "s'ajoutent")
                            .arg(phenotype));
    auto* courbe = new QLineSeries;
    courbe->setName(QStringLiteral("observée"));
    for (std::size_t i = 0; i < proportions.size(); ++i)
        courbe->append(static_cast<double>(i + 1), proportions[i]);
    const double n = std::max<double>(2, static_cast<double>(proportions.size()));
    auto* x = axe(QStringLiteral("familles"), 1, n);
    x->setLabelFormat(QStringLiteral("%d"));
    auto* y = axe(QStringLiteral("proportion"), 0, 1);
    attache(graphique, courbe, x, y);
    if (attendue) {
        auto* ligne = new QLineSeries;
        ligne->setName(QStringLiteral("attendue"));
        ligne->append(1, *attendue);
        ligne->append(n, *attendue);
        attache(graphique, ligne, x, y);
    }
    return graphique;
}

QChart* graphique_calibration(const std::vector<GroupeCalibration>& groupes) {
    auto* graphique = new QChart;
    graphique->setTitle(groupes.empty()
                            ? QStringLiteral("Aucune probabilité de porteur n'est montrée pour "
                                             "ces familles")
                            : QStringLiteral("Probabilité montrée et fréquence réelle des "
                                             "porteurs"));
    auto* x = axe(QStringLiteral("probabilité d'être porteur montrée"), 0, 1);
    auto* y = axe(QStringLiteral("fraction réellement porteuse"), 0, 1);
    auto* diagonale = new QLineSeries;
    diagonale->setName(QStringLiteral("diagonale"));
    diagonale->append(0, 0);
    diagonale->append(1, 1);
    attache(graphique, diagonale, x, y);
    auto* points = new QScatterSeries;
    points->setName(QStringLiteral("groupes d'individus"));
    for (const GroupeCalibration& g : groupes)
        points->append(g.probabilite, g.frequence());
    attache(graphique, points, x, y);
    return graphique;
}

std::optional<QString> enregistre_graphique(QWidget& vue, const QString& chemin) {
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return QStringLiteral("Impossible de créer le fichier %1").arg(chemin);
    if (chemin.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&fichier);
        svg.setSize(vue.size());
        svg.setViewBox(QRect(QPoint(0, 0), vue.size()));
        svg.setTitle(QStringLiteral("Statistiques"));
        QPainter p(&svg);
        vue.render(&p);
    } else if (chemin.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
        QPixmap image(vue.size() * 2);
        image.setDevicePixelRatio(2);
        image.fill(Qt::white);
        QPainter p(&image);
        vue.render(&p);
        p.end();
        if (!image.save(&fichier, "PNG")) return QStringLiteral("Erreur d'écriture dans le flux");
    } else {
        return QStringLiteral("Le nom du graphique doit finir par .png ou .svg.");
    }
    if (!fichier.commit()) return QStringLiteral("Erreur d'écriture dans le flux");
    return std::nullopt;
}

} // namespace orvan
