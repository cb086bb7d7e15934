// Where the program finds what is installed with it: beside the built or installed program,
// in the repository's data folder from a build folder, then in the installed data folder.
#pragma once

#include <QString>

namespace orvan {

struct LieuxDonnee {
    QString pres_du_programme; // relative to the program's folder
    QString dans_le_depot;     // relative to the program's folder, from a build folder
    QString installe;          // relative to the installed data folder
};

// The first of these places that holds a readable file (or a folder, when dossier is true);
// empty when none does.
QString trouve_donnee(const QString& dossier_programme, const LieuxDonnee& lieux, bool dossier);

} // namespace orvan
