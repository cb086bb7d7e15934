// One mouse move while the pupil drags a sibship line of a family of 40, in the windowed
// program (offscreen): the core's handler, the refresh of the widgets and their painting.
#include "famille_quarante.h"
#include "qt/session_qt.h"
#include "qt/style_orvan.h"
#include "qt/vue_scene.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QtTest>
#include <benchmark/benchmark.h>

using namespace orvan;

namespace {

// Counts the widgets moved and painted.
class Compteur : public QObject {
  public:
    explicit Compteur(QWidget& fenetre) : fenetre_(fenetre) { qApp->installEventFilter(this); }
    ~Compteur() override { qApp->removeEventFilter(this); }
    long deplaces = 0, dessins = 0;

  protected:
    bool eventFilter(QObject* objet, QEvent* e) override {
        auto* w = qobject_cast<QWidget*>(objet);
        if (!w || !fenetre_.isAncestorOf(w)) return false;
        if (e->type() == QEvent::Move) ++deplaces;
        if (e->type() == QEvent::Paint) ++dessins;
        return false;
    }

  private:
    QWidget& fenetre_;
};

void BM_mouvement_en_glissant_une_fratrie(benchmark::State& etat) {
    SessionQt session;
    session.ouvre();
    if (!QTest::qWaitForWindowExposed(&session.fenetre)) etat.SkipWithError("pas de fenêtre");
    QElapsedTimer attente;
    attente.start();
    while (!session.demarree() && attente.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    FenetrePrincipale& f = session.form;
    session.fenetre.traite([&f] {
        f.journal.lignes() = famille_de_quarante();
        f.historique.rejoue_journal();
        f.depart.fait_disparaitre();
        f.historique.montre();
    });
    QCoreApplication::processEvents();
    if (f.famille.dernier_indiv() != 40) etat.SkipWithError("la famille n'a pas 40 individus");

    // The sibship line of the first couple of the second row, where the view draws it.
    const VueScene& vue = session.famille.vue();
    QPoint prise;
    for (const TraitScene& t : vue.scene().traits)
        if (t.role == RoleTrait::fratrie && t.union_famille == 1)
            prise = vue.vers_ecran(t.boite()).center().toPoint();
    QWidget* ligne = vue.viewport();
    QTest::mousePress(ligne, Qt::LeftButton, {}, prise);
    Compteur compteur(session.fenetre);
    int sens = 1;
    for (auto _ : etat) {
        // To and fro by one pixel: the line stays across its vertical line.
        QTest::mouseMove(ligne, prise + QPoint(sens, 0));
        sens = -sens;
        // Until the moved line and what it uncovered are painted.
        QCoreApplication::processEvents();
    }
    QTest::mouseRelease(ligne, Qt::LeftButton, {}, prise);
    const auto n = static_cast<double>(etat.iterations());
    etat.counters["widgets_deplaces"] = static_cast<double>(compteur.deplaces) / n;
    etat.counters["dessins"] = static_cast<double>(compteur.dessins) / n;
}
BENCHMARK(BM_mouvement_en_glissant_une_fratrie)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    prepare_application();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
