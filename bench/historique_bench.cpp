// The history list of the real window (offscreen platform) with a long log: showing it whole
// after an opening, and the refresh after an undo removes its last line; and the replay of a
// long log in the window.
#include "qt/session_qt.h"
#include "qt/style_orvan.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <benchmark/benchmark.h>

using namespace orvan;

namespace {

SessionQt* la_session = nullptr;

std::vector<std::string> journal_de(std::size_t n) {
    std::vector<std::string> l = {"aleat=31415926"};
    for (std::size_t i = 1; i < n; ++i)
        l.push_back("decal_fratrie(" + std::to_string(i % 3) + ",2)");
    return l;
}

// The log's lines as the list shows them, and the list painted.
void montre(SessionQt& s) {
    s.fenetre.actualise();
    QCoreApplication::processEvents();
    s.fenetre.findChild<QListView*>("evenements")->repaint();
}

void BM_liste_historique_remplie(benchmark::State& etat) {
    SessionQt& s = *la_session;
    s.form.historique.montre();
    const auto lignes = journal_de(static_cast<std::size_t>(etat.range(0)));
    for (auto _ : etat) {
        etat.PauseTiming();
        s.form.journal.lignes() = {"aleat=1"};
        montre(s);
        s.form.journal.lignes() = lignes;
        etat.ResumeTiming();
        montre(s);
    }
}
BENCHMARK(BM_liste_historique_remplie)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond);

void BM_liste_historique_apres_annulation(benchmark::State& etat) {
    SessionQt& s = *la_session;
    s.form.historique.montre();
    const auto lignes = journal_de(static_cast<std::size_t>(etat.range(0)));
    for (auto _ : etat) {
        etat.PauseTiming();
        s.form.journal.lignes() = lignes;
        montre(s);
        etat.ResumeTiming();
        s.form.journal.lignes().pop_back();
        montre(s);
    }
}
BENCHMARK(BM_liste_historique_apres_annulation)
    ->Arg(100000)
    ->Arg(200000)
    ->Unit(benchmark::kMillisecond);

// Opening a log of gene confirmations in the window (the state's range in MiB, 14 bytes a
// line): the replay, with its progress dialog once it has run half a second, then the window
// brought up to date and painted. rejeu_bench measures the same logs headless.
void BM_rejeu_confirmations_fenetre(benchmark::State& etat) {
    SessionQt& s = *la_session;
    s.form.historique.ferme();
    std::vector<std::string> lignes = {"aleat=31415926", "bitbtn4click", "group_premclick.0"};
    const auto taille = static_cast<std::size_t>(etat.range(0)) * 1024 * 1024;
    while (lignes.size() < taille / 14)
        lignes.push_back("bitbtn1click");
    for (auto _ : etat) {
        s.form.journal.lignes() = lignes;
        s.fenetre.traite([&s] { s.form.historique.rejoue_journal(); });
        QCoreApplication::processEvents();
        s.fenetre.repaint();
    }
}
BENCHMARK(BM_rejeu_confirmations_fenetre)
    ->Arg(1)
    ->Arg(16)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

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
