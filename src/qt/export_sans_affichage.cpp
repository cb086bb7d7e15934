#include "qt/export_sans_affichage.h"

#include "ground/messages.h"

#include "app/fenetre_principale.h"
#include "app/plateforme_silencieuse.h"
#include "qt/conversions_qt.h"
#include "qt/export_image.h"
#include "qt/image_famille.h"

#include <QFontMetrics>
#include <QGuiApplication>

#include <cstdio>
#include <memory>
#include <ostream>

namespace orvan {

namespace {

// The headless platform, but the labels are measured in the font the picture is drawn in, so
// that each caption fits its label.
class PlateformeExport : public PlateformeSilencieuse {
  public:
    explicit PlateformeExport(StyleDessin style) : style_(std::move(style)) {}
    Taille mesure(const std::string& texte, const Police& police) const override {
        const QFontMetrics fm(police_du_dessin(police, style_));
        QString t = texte_qt(texte);
        // An empty caption still takes one line's height, as in the window.
        if (t.isEmpty()) t = QStringLiteral(" ");
        const QSize s = fm.size(0, t);
        return {s.width(), s.height()};
    }

  private:
    StyleDessin style_;
};

// Qt's notes on the display it does without mean nothing to the user: only its errors pass.
void sans_notes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

std::optional<DemandeExport> lit_demande(const std::vector<std::string>& arguments,
                                         std::ostream& erreurs, Langue messages) {
    DemandeExport d;
    d.messages = messages;
    std::vector<std::string> fichiers;
    for (std::size_t n = 0; n < arguments.size(); ++n) {
        const std::string& a = arguments[n];
        if (a == "--echelle") {
            const std::string valeur = n + 1 < arguments.size() ? arguments[++n] : std::string();
            const int e = valeur.size() == 1 ? valeur[0] - '0' : 0;
            if (e < 1 || e > echelle_png_max) {
                erreurs << msg::export_echelle.dans(messages) << '\n';
                return std::nullopt;
            }
            d.echelle_png = e;
        } else if (a == "--motifs")
            d.motifs = true;
        else if (a == "--numerotation")
            d.numerotation = true;
        else if (a == "--probabilites" && !d.probabilites)
            d.probabilites = APriori::programme;
        else if (a == "--population")
            d.probabilites = APriori::population;
        else
            fichiers.push_back(a);
    }
    if (fichiers.size() != 2) {
        erreurs << msg::export_incomplet.dans(messages) << '\n';
        return std::nullopt;
    }
    d.famille = fichiers[0];
    d.image = fichiers[1];
    if (!format_du_fichier(QString::fromStdString(d.image))) {
        erreurs << msg::export_suffixe.dans(messages) << '\n';
        return std::nullopt;
    }
    return d;
}

} // namespace

int exporte(const DemandeExport& demande, std::ostream& erreurs) {
    const StyleDessin style =
        style_sans_affichage(demande.motifs, demande.numerotation, demande.probabilites);
    const QString image = QString::fromStdString(demande.image);
    const auto format = format_du_fichier(image);
    if (!format) return 2;
    PlateformeExport plateforme(style);
    plateforme.sortie_erreurs = &erreurs;
    FenetrePrincipale f(plateforme);
    Traduction textes_des_messages;
    textes_des_messages.change(demande.messages);
    plateforme.parle(textes_des_messages);
    f.coquille.demarre();
    f.coquille.sequence_demarrage();
    if (!f.historique.ouvre_fichier(demande.famille)) return 1;
    if (const auto echec =
            ecrit_image(ImageFamille(f, style), image, *format, demande.echelle_png)) {
        erreurs << echec->dans(demande.messages) << '\n';
        return 1;
    }
    return 0;
}

int exporte_sans_affichage(int argc, char** argv, const std::vector<std::string>& arguments,
                           std::ostream& erreurs, Langue messages) {
    const auto demande = lit_demande(arguments, erreurs, messages);
    if (!demande) return 2;
    // Fonts need an application, a display does not.
    std::unique_ptr<QGuiApplication> application;
    if (!QGuiApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(sans_notes);
        application = std::make_unique<QGuiApplication>(argc, argv);
    }
    return exporte(*demande, erreurs);
}

} // namespace orvan
