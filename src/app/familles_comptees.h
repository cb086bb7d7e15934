// The families that the statistics window pools: each addition of saved files or of new
// families comes whole, or not at all when the user cancels it.
#pragma once

#include "app/recolte.h"
#include "statistiques/tables.h"

#include <memory>
#include <string>
#include <vector>

namespace orvan {

class Plateforme;

enum class Ajout { fait, annule, sans_fondateurs };

class FamillesComptees {
  public:
    // The progress of each addition shows on this platform, which can cancel it.
    explicit FamillesComptees(Plateforme& plateforme);
    ~FamillesComptees();

    // These files and folders with the families already there.
    Ajout ajoute_chemins(const std::vector<std::string>& chemins);
    // n new families like the one of this log: its genes and its founders' phenotypes, from a
    // batch of seeds that starts at the clock's, as a new family's seed does.
    Ajout ajoute_nouvelles_familles(const std::vector<std::string>& journal, std::size_t n);
    void vide();

    const Recolte& recolte() const { return recolte_; }
    // Per kind of cross, with the program's exact expected counts.
    const std::vector<TableCroisement>& tables() const { return tables_; }

  private:
    Ajout ajoute(Recolte r);
    Recolteur& recolteur();

    Plateforme& plateforme_;
    // Made at the first addition: it starts a window of its own.
    std::unique_ptr<Recolteur> recolteur_;
    LoiDesEnfants loi_;
    Recolte recolte_;
    std::vector<TableCroisement> tables_;
};

} // namespace orvan
