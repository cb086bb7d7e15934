// The plots of the class statistics are drawn by a module of their own, loaded the first time the
// statistics window opens: the plotting library that it needs is large, and linked to the program
// it cost every start a twentieth of its time. The program describes each plot in plain data;
// the module draws it.
#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>

#include <vector>

class QWidget;

namespace orvan {

struct AxeGraphique {
    QString titre;
    double min = 0;
    double max = 1;
    QString format;         // of the labels, as printf's; Qt's own when empty
    bool pas_ronds = false; // steps on round numbers, the range widened to reach them
};

struct CourbeGraphique {
    enum class Genre { ligne, points };
    Genre genre = Genre::ligne;
    QString nom;
    std::vector<QPointF> points;
};

struct BarresGraphique {
    QString nom;
    std::vector<double> valeurs; // one a category
};

// Bars over categories when `categories` is not empty, else lines and points on two value axes.
struct Graphique {
    QString titre;
    QStringList categories;
    std::vector<BarresGraphique> barres;
    std::vector<CourbeGraphique> courbes;
    AxeGraphique x, y;
    // A legend of many long names reads as a column beside the plot.
    bool legende_a_droite = false;
};

class TraceurGraphiques {
  public:
    virtual ~TraceurGraphiques() = default;
    // An empty plot.
    virtual QWidget* cree_vue() const = 0;
    // g in place of what vue showed.
    virtual void trace(QWidget& vue, const Graphique& g) const = 0;
};

// The module's, loaded once: beside the program, then where it is installed; only a module of
// this version is taken. Null when none loads; the window then shows its tables without plots.
const TraceurGraphiques* traceur_graphiques();
// No module loads, but a file of its name is there: damaged, or made for another version.
bool module_graphiques_abime();

} // namespace orvan

// What the module exports.
extern "C" const orvan::TraceurGraphiques* orvan_traceur_graphiques();
// The version of the program the module was built with.
extern "C" const char* orvan_graphiques_version();
