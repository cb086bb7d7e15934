// The headless export of a family of 40 to each format: the replay of its file, the drawing and
// the file written, as `orvan --export` does after its start.
#include "famille_quarante.h"
#include "qt/export_sans_affichage.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace orvan;

namespace {

const QTemporaryDir& dossier() {
    static const QTemporaryDir d;
    return d;
}

std::string fichier_famille() {
    static const std::string chemin = [] {
        const std::string c = dossier().filePath("quarante.gen").toStdString();
        std::ofstream f(c, std::ios::binary);
        for (const auto& l : famille_de_quarante())
            f << l << "\r\n";
        return c;
    }();
    return chemin;
}

void BM_export(benchmark::State& etat, const char* extension, bool options) {
    const std::string image =
        dossier().filePath(QStringLiteral("famille.%1").arg(extension)).toStdString();
    const DemandeExport demande{fichier_famille(), image, options, options};
    for (auto _ : etat) {
        std::ostringstream erreurs;
        if (exporte(demande, erreurs) != 0) etat.SkipWithError(erreurs.str().c_str());
    }
    etat.counters["octets"] = static_cast<double>(QFileInfo(QString::fromStdString(image)).size());
}

BENCHMARK_CAPTURE(BM_export, png, "png", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_export, svg, "svg", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_export, pdf, "pdf", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_export, png_motifs_numeros, "png", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_export, svg_motifs_numeros, "svg", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_export, pdf_motifs_numeros, "pdf", true)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // As the command runs: no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
