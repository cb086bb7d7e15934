// The example families shipped with the program, as a place of the open dialog.
#pragma once

#include <QFileDialog>
#include <QList>
#include <QString>
#include <QUrl>

namespace orvan {

// The folder of the example families: beside the built or installed program, or where they are
// installed; empty when none is found.
QString dossier_exemples(const QString& dossier_programme = {});
// The places of the open dialog's side bar: the usual ones, then "Exemples" when it exists.
QList<QUrl> places_du_dialogue(const QList<QUrl>& usuelles, const QString& exemples);
// The side bar names the examples' place in the program's language rather than by its folder.
void nomme_place(QFileDialog& dialogue, const QString& dossier, const QString& nom);

} // namespace orvan
