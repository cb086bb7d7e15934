// The module that draws the statistics window's plots with Qt Charts.
#include "qt/traceur_graphiques.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

namespace orvan {

namespace {

QValueAxis* axe_de_valeurs(const AxeGraphique& a) {
    auto* axe = new QValueAxis;
    axe->setTitleText(a.titre);
    axe->setRange(a.min, a.max);
    if (a.pas_ronds) axe->applyNiceNumbers();
    if (!a.format.isEmpty()) axe->setLabelFormat(a.format);
    return axe;
}

void attache(QChart* c, QAbstractSeries* s, QAbstractAxis* x, QAbstractAxis* y) {
    c->addSeries(s);
    if (!c->axes(Qt::Horizontal).contains(x)) c->addAxis(x, Qt::AlignBottom);
    if (!c->axes(Qt::Vertical).contains(y)) c->addAxis(y, Qt::AlignLeft);
    s->attachAxis(x);
    s->attachAxis(y);
}

void ajoute_barres(QChart* c, const Graphique& g) {
    auto* barres = new QBarSeries;
    for (const BarresGraphique& b : g.barres) {
        auto* ensemble = new QBarSet(b.nom);
        for (const double v : b.valeurs)
            *ensemble << v;
        barres->append(ensemble);
    }
    auto* x = new QBarCategoryAxis;
    x->append(g.categories);
    attache(c, barres, x, axe_de_valeurs(g.y));
}

void ajoute_courbes(QChart* c, const Graphique& g) {
    QValueAxis* x = axe_de_valeurs(g.x);
    QValueAxis* y = axe_de_valeurs(g.y);
    for (const CourbeGraphique& courbe : g.courbes) {
        QXYSeries* s = courbe.genre == CourbeGraphique::Genre::points
                           ? static_cast<QXYSeries*>(new QScatterSeries)
                           : new QLineSeries;
        s->setName(courbe.nom);
        for (const QPointF& p : courbe.points)
            s->append(p);
        attache(c, s, x, y);
    }
}

class TraceurCharts : public TraceurGraphiques {
  public:
    QWidget* cree_vue() const override {
        auto* vue = new QChartView;
        vue->setRenderHint(QPainter::Antialiasing);
        return vue;
    }

    void trace(QWidget& vue, const Graphique& g) const override {
        auto* c = new QChart;
        c->setTitle(g.titre);
        if (g.legende_a_droite) c->legend()->setAlignment(Qt::AlignRight);
        if (!g.categories.isEmpty())
            ajoute_barres(c, g);
        else if (!g.courbes.empty())
            ajoute_courbes(c, g);
        // A chart view gives up its chart to the next one without deleting it.
        auto& v = static_cast<QChartView&>(vue);
        QChart* ancien = v.chart();
        v.setChart(c);
        delete ancien;
    }
};

} // namespace

} // namespace orvan

extern "C" Q_DECL_EXPORT const orvan::TraceurGraphiques* orvan_traceur_graphiques() {
    static const orvan::TraceurCharts traceur;
    return &traceur;
}

extern "C" Q_DECL_EXPORT const char* orvan_graphiques_version() {
    return ORVAN_VERSION;
}
