// Two clicks of the pupil in the real window (offscreen platform), timed from the mouse press to
// the painted result: a founder's click until its panel is shown, and "OK" on a spouse's
// phenotypes until its six children are drawn, which makes a family of 40.
#include "qt/session_qt.h"
#include "qt/style_orvan.h"
#include "qt/widgets_saisie.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QtTest>
#include <benchmark/benchmark.h>

using namespace orvan;

namespace {

// The founders with six children, the spouses of children 3, 4 and 5 with six each and the
// spouse of child 6 with three: 33 individuals, child 7 still unmarried.
std::vector<std::string> famille_de_33() {
    std::vector<std::string> l = {"aleat=31415926",     "bitbtn4click", "group_premclick.0",
                                  "bitbtn1click",       "nb_desc=5",    "choix_all(1,left)",
                                  "prem_alleleclick.0", "all_okclick",  "choix_all(2,left)",
                                  "prem_alleleclick.1", "all_okclick"};
    for (const auto& [enfant, item] : {std::pair{3, 5}, {4, 5}, {5, 5}, {6, 2}}) {
        l.push_back("nb_desc=" + std::to_string(item));
        l.push_back("choix_all(" + std::to_string(enfant) + ",left)");
        l.push_back("prem_alleleclick.0");
        l.push_back("all_okclick");
    }
    return l;
}

// The window as the pupil has it: shown and started. Made by main, after the application.
SessionQt* la_session = nullptr;

SessionQt& session() {
    return *la_session;
}

void rejoue(SessionQt& s, std::vector<std::string> lignes) {
    s.form.journal.lignes() = std::move(lignes);
    s.fenetre.traite([&s] { s.form.historique.rejoue_journal(); });
    QCoreApplication::processEvents();
}

QWidget* widget(SessionQt& s, const char* nom) {
    return s.fenetre.findChild<QWidget*>(nom);
}

void clique(QWidget* w, Qt::MouseButton bouton = Qt::LeftButton, QPoint p = QPoint(5, 5)) {
    QTest::mouseClick(w, bouton, {}, p);
}

// The window painted now, all of it: more than the frame that follows an event repaints.
void peint(SessionQt& s) {
    QCoreApplication::processEvents();
    s.fenetre.repaint();
}

void clique_item(SessionQt& s, const char* groupe, int item) {
    auto* g = dynamic_cast<RadioGroupeQt*>(widget(s, groupe));
    QRadioButton* b = g->boutons().at(static_cast<std::size_t>(item));
    clique(b, Qt::LeftButton, QPoint(6, b->height() / 2));
}

void BM_clic_fondateur_jusquau_panneau(benchmark::State& etat) {
    SessionQt& s = session();
    // A family of 40 drawn once, so that every widget of the pedigree exists, then a new one.
    auto quarante = famille_de_33();
    quarante.insert(quarante.end(),
                    {"nb_desc=5", "choix_all(7,left)", "prem_alleleclick.0", "all_okclick"});
    rejoue(s, quarante);
    const auto debut = std::vector<std::string>(quarante.begin(), quarante.begin() + 4);
    rejoue(s, debut);
    QWidget* fondateur = widget(s, "Shape1");
    for (auto _ : etat) {
        clique(fondateur);
        peint(s);
        etat.PauseTiming();
        if (!widget(s, "choix_alleles")->isVisible()) etat.SkipWithError("pas de panneau");
        clique(widget(s, "all_annul"));
        s.form.journal.lignes() = debut;
        s.fenetre.actualise();
        QCoreApplication::processEvents();
        etat.ResumeTiming();
    }
}
BENCHMARK(BM_clic_fondateur_jusquau_panneau)->Unit(benchmark::kMillisecond);

void BM_ok_conjoint_jusquaux_six_enfants(benchmark::State& etat) {
    SessionQt& s = session();
    for (auto _ : etat) {
        etat.PauseTiming();
        rejoue(s, famille_de_33());
        clique(widget(s, "Shape7"));
        clique_item(s, "prem_allele", 0);
        s.fenetre.traite([&s] { s.form.phenotypes.nb_descendants->choix_utilisateur(5); });
        QCoreApplication::processEvents();
        etat.ResumeTiming();
        clique(widget(s, "all_OK"));
        peint(s);
        etat.PauseTiming();
        if (s.form.famille.dernier_indiv() != 40 || !widget(s, "Shape40")->isVisible())
            etat.SkipWithError("famille incomplète");
        etat.ResumeTiming();
    }
    etat.counters["individus"] = s.form.famille.dernier_indiv();
}
BENCHMARK(BM_ok_conjoint_jusquaux_six_enfants)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    prepare_application();
    auto s = std::make_unique<SessionQt>();
    s->ouvre();
    QElapsedTimer attente;
    attente.start();
    while (!s->demarree() && attente.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    la_session = s.get();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
