// Printing to a PDF file: the capture of the main window, the page written, and the whole
// "Imprimer" command from the click to the file on disk (its one-second wait included), with
// no printer installed and the dialogs answered at once. Built by the "bench" preset; run it
// under a display, or with QT_QPA_PLATFORM=offscreen.
#include "qt/impression_qt.h"
#include "qt/session_qt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <memory>

using namespace orvan;

namespace {

std::unique_ptr<SessionQt> session_demarree() {
    auto s = std::make_unique<SessionQt>();
    s->ouvre();
    while (!s->demarree())
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    // A family on screen: founders, their children, a spouse and the open history.
    s->form.arbre.clic_individu(1, Bouton::gauche);
    s->form.phenotypes.premier_phenotype->selectionne(0);
    s->form.phenotypes.ok->clic();
    s->form.arbre.clic_individu(2, Bouton::gauche);
    s->form.phenotypes.premier_phenotype->selectionne(1);
    s->form.phenotypes.ok->clic();
    s->form.historique.montre();
    s->fenetre.actualise();
    QApplication::processEvents();
    return s;
}

void BM_capture_de_la_fenetre(benchmark::State& etat) {
    const auto s = session_demarree();
    Capture c;
    for (auto _ : etat) {
        c = s->plateforme.capture(s->form);
        benchmark::DoNotOptimize(c.pixels.data());
    }
    etat.counters["largeur"] = c.largeur;
    etat.counters["hauteur"] = c.hauteur;
}
BENCHMARK(BM_capture_de_la_fenetre)->Unit(benchmark::kMillisecond);

// The window drawn again at 1 (the screen's pixels) to 4 pixels for each of them.
void BM_capture_a_l_echelle(benchmark::State& etat) {
    const auto s = session_demarree();
    const int echelle = static_cast<int>(etat.range(0));
    for (auto _ : etat) {
        const Capture c = capture_widget(*s->fenetre.surface(), echelle);
        benchmark::DoNotOptimize(c.pixels.data());
    }
}
BENCHMARK(BM_capture_a_l_echelle)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);

// The work of the command without its wait: both captures and the PDF file written, at the
// screen's pixels (1) and at the print's scale (2 on a screen of ratio 1).
void BM_capture_et_pdf(benchmark::State& etat) {
    const auto s = session_demarree();
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("page.pdf");
    const int echelle = static_cast<int>(etat.range(0));
    for (auto _ : etat) {
        capture_widget(*s->fenetre.surface(), echelle);
        const Capture page = capture_widget(*s->fenetre.surface(), echelle);
        if (!ecrit_pdf(page, chemin)) etat.SkipWithError("PDF non écrit");
    }
    etat.counters["octets"] = static_cast<double>(QFileInfo(chemin).size());
}
BENCHMARK(BM_capture_et_pdf)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The command as the pupil gives it: from the click to the file written.
void BM_commande_imprimer_en_pdf(benchmark::State& etat) {
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        etat.SkipWithError("une imprimante est installée");
        return;
    }
    const auto s = session_demarree();
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("famille.pdf");
    QTimer pilote;
    pilote.setInterval(1);
    QObject::connect(&pilote, &QTimer::timeout, [&chemin] {
        QWidget* modale = QApplication::activeModalWidget();
        if (auto* boite = qobject_cast<QMessageBox*>(modale))
            boite->button(QMessageBox::Yes)->click();
        else if (auto* dialogue = qobject_cast<QFileDialog*>(modale)) {
            dialogue->selectFile(chemin);
            static_cast<QDialog*>(dialogue)->accept();
        }
    });
    pilote.start();
    for (auto _ : etat) {
        QFile::remove(chemin);
        s->fenetre.traite([&s] { s->form.menus.imprimer->clic(); });
        if (!QFileInfo::exists(chemin)) etat.SkipWithError("PDF non écrit");
    }
}
BENCHMARK(BM_commande_imprimer_en_pdf)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
