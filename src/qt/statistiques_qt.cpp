#include "qt/statistiques_qt.h"

#include "app/fenetre_principale.h"
#include "app/recolte.h"
#include "app/releve_famille.h"
#include "ground/messages.h"
#include "qt/conversions_qt.h"
#include "qt/fenetre_statistiques.h"
#include "statistiques/export_ped.h"

#include <QFileDialog>
#include <QSaveFile>

namespace orvan {

StatistiquesQt::StatistiquesQt(FenetrePrincipale& f, QWidget& fenetre) : f_(f), fenetre_(fenetre) {
    dialogue = [this]() -> std::optional<QString> {
        const auto texte = [this](const Texte& t) { return texte_qt(f_.textes(t)); };
        const QString chemin = QFileDialog::getSaveFileName(
            &fenetre_, texte(msg::exporter_en_ped), texte(msg::nom_ped), texte(msg::filtre_ped));
        if (chemin.isEmpty()) return std::nullopt;
        return chemin;
    };
    f_.montre_statistiques = [this] {
        FenetreStatistiques& s = fenetre_statistiques();
        s.ecrit_textes();
        s.show();
        s.raise();
        s.activateWindow();
    };
    f_.exporte_ped = [this] { exporte_ped(); };
}

StatistiquesQt::~StatistiquesQt() {
    f_.montre_statistiques = nullptr;
    f_.exporte_ped = nullptr;
}

FenetreStatistiques& StatistiquesQt::fenetre_statistiques() {
    if (!statistiques_) statistiques_ = std::make_unique<FenetreStatistiques>(f_, &fenetre_);
    return *statistiques_;
}

void StatistiquesQt::exporte_ped() {
    const auto chemin = dialogue ? dialogue() : std::nullopt;
    if (!chemin) return;
    // The family's column is the file's name: the pedigree programs give it back as it is.
    const FamilleReleve famille =
        releve_famille(f_, texte_core(*chemin), graine_du_journal(f_.journal.lignes()).value_or(0));
    const std::string atteint =
        famille.genes.empty() ? "" : phenotype_atteint_par_defaut(famille.genes.front());
    const std::string texte = ped_de_la_famille(famille, 0, atteint);
    QSaveFile fichier(*chemin);
    if (!fichier.open(QIODevice::WriteOnly) ||
        fichier.write(texte.data(), static_cast<qint64>(texte.size())) !=
            static_cast<qint64>(texte.size()) ||
        !fichier.commit())
        f_.plateforme.erreur(msg::creation_impossible.avec({Texte::tel_quel(texte_core(*chemin))}));
}

} // namespace orvan
