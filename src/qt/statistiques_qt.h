// The front end of "Outils › Statistiques…" (its window, made when first asked for) and of
// "Fichier › Exporter › PED…".
#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace orvan {

class FenetrePrincipale;
class FenetreStatistiques;

class StatistiquesQt {
  public:
    StatistiquesQt(FenetrePrincipale& f, QWidget& fenetre);
    ~StatistiquesQt();

    FenetreStatistiques& fenetre_statistiques();
    void exporte_ped();
    // The save dialog of the PED file; nullopt when the user cancels. Replaced by the tests.
    std::function<std::optional<QString>()> dialogue;

  private:
    FenetrePrincipale& f_;
    QWidget& fenetre_;
    std::unique_ptr<FenetreStatistiques> statistiques_;
};

} // namespace orvan
