// One step of zoom and one step of scrolling of the family of 40 with two genes
// (tests/data/quarante_deux_genes.gen), every option of the picture on, in the window's view at
// its default size, offscreen: the view drawn into an image of the viewport's size, as the
// screen shows it, and the symbols' widgets that follow.
#include "qt/session_qt.h"
#include "qt/style_orvan.h"
#include "qt/vue_scene.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QScrollBar>
#include <benchmark/benchmark.h>

using namespace orvan;

namespace {

SessionQt& session_ouverte() {
    static SessionQt* s = [] {
        auto* session = new SessionQt;
        session->ouvre();
        QElapsedTimer attente;
        attente.start();
        while (!session->demarree() && attente.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        FenetrePrincipale& f = session->form;
        session->fenetre.traite([&f] {
            f.historique.ouvre_fichier(ORVAN_DONNEES "/quarante_deux_genes.gen");
            f.menus.motifs->checked = f.menus.numerotation->checked = true;
            f.probabilites.montrees = f.menus.probabilites->checked = true;
        });
        QCoreApplication::processEvents();
        return session;
    }();
    return *s;
}

// Paints the viewport into an image of its size, at the screen's ratio.
void dessine(VueScene& vue, QImage& image) {
    vue.viewport()->render(&image);
}

void BM_pas_de_zoom(benchmark::State& etat) {
    SessionQt& s = session_ouverte();
    if (s.form.famille.dernier_indiv() != 40) etat.SkipWithError("la famille n'a pas 40 individus");
    VueScene& vue = s.famille.vue();
    QImage image(vue.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    bool avant = true;
    for (auto _ : etat) {
        if (avant)
            vue.zoom_avant();
        else
            vue.zoom_arriere();
        avant = !avant;
        dessine(vue, image);
    }
    etat.counters["zoom"] = vue.zoom();
}

void BM_pas_de_defilement(benchmark::State& etat) {
    SessionQt& s = session_ouverte();
    VueScene& vue = s.famille.vue();
    vue.taille_reelle();
    vue.zoom_avant();
    QImage image(vue.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    QScrollBar* barre = vue.horizontalScrollBar();
    int sens = 1;
    for (auto _ : etat) {
        barre->setValue(barre->value() + sens * barre->singleStep());
        sens = barre->value() >= barre->maximum() ? -1 : barre->value() <= 0 ? 1 : sens;
        dessine(vue, image);
    }
    etat.counters["largeur_vue"] = vue.viewport()->width();
}

BENCHMARK(BM_pas_de_zoom)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_pas_de_defilement)->Unit(benchmark::kMillisecond);

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
