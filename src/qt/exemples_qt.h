// The example families shipped with the program, as a place of the open dialog.
#pragma once

#include <QList>
#include <QString>
#include <QUrl>

namespace orvan {

// The folder of the example families: beside the built or installed program, or where they are
// installed; empty when none is found.
QString dossier_exemples(const QString& dossier_programme = {});
// The places of the open dialog's side bar: the usual ones, then "Exemples" when it exists.
QList<QUrl> places_du_dialogue(const QList<QUrl>& usuelles, const QString& exemples);

} // namespace orvan
