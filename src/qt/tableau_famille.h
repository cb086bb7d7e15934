// "Tableau de la famille": the family as a table beside the window, one row per individual
// shown (number, sex, father, mother, phenotype, and the genotype while the hints are on),
// sortable by any column. The row chosen with the keyboard or the mouse is the individual the
// pedigree shows with its ring, and the other way round.
#pragma once

#include "app/description_famille.h"

#include <QDialog>

#include <vector>

class QTableWidget;

namespace orvan {

class AccesFamilleQt;

class TableauFamilleQt : public QDialog {
  public:
    TableauFamilleQt(AccesFamilleQt& acces, QWidget* parent);

    // The rows follow the family; the individual with the focus is the row chosen.
    void actualise();
    void choisit_ligne(int k);
    QTableWidget* table() const { return table_; }

  private:
    void ligne_choisie();
    AccesFamilleQt& acces_;
    QTableWidget* table_;
    std::vector<IndividuDecrit> montree_;
    Langue langue_montree_ = Langue::francais;
    bool remplit_ = false;
};

} // namespace orvan
