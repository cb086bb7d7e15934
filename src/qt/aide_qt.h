// The help window: the help document shown at one of its topics, beside the main window.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace orvan {

// The help document, looked for beside the program (installed or built), then in the
// program's installed data. dossier_programme stands for the program's directory, which it
// is when empty. Empty when the document is nowhere.
QString chemin_aide(const QString& page = QStringLiteral("orvan.html"),
                    const QString& dossier_programme = {});

// The help window's own texts, in the program's language.
struct TextesAide {
    QString titre = QStringLiteral("Aide");
    QStringList boutons{QStringLiteral("Précédent"), QStringLiteral("Suivant"),
                        QStringLiteral("Fermer")};
};

// Shows fichier_html at topic `sujet` (its anchor "sujet" + number; 1 is the beginning) in the
// help window, which is opened, or raised when it is already open. The window does not block
// the program. False, and no window, when the file cannot be read.
bool montre_aide(QWidget* parent, const QString& fichier_html, int sujet,
                 const TextesAide& textes = {});

} // namespace orvan
