// "Outils › Classe…": the pupils' saved families of a class, one row each with what the pupil
// built and answered; sorted by any column, exported as CSV, printed; a double click (or Enter)
// opens the pupil's family in the main window as the pupil left it.
#pragma once

#include "app/recolte.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QListWidget;
class QPagedPaintDevice;
class QPushButton;
class QTableWidget;

namespace orvan {

class FenetrePrincipale;
class FenetreQt;

class FenetreClasse : public QWidget {
  public:
    FenetreClasse(FenetrePrincipale& f, FenetreQt& fenetre);
    ~FenetreClasse() override;

    // Adds the pupils of these files and folders; a file already in the table is read again.
    void ajoute_chemins(const QStringList& chemins);
    void vide();
    // Every text in the program's language, then the table again.
    void ecrit_textes();
    // Opens the family of the table's row `ligne` (as sorted on screen) in the main window.
    void ouvre_ligne(int ligne);
    // The table on A4 pages, as a PDF file; false when it could not be written.
    bool ecrit_pdf(const QString& chemin) const;
    bool ecrit_csv(const QString& chemin) const;

    const RecolteClasse& classe() const { return classe_; }
    // The save dialogs of the CSV and PDF files; nullopt when the user cancels. Replaced by
    // the tests.
    std::function<std::optional<QString>()> choisit_csv, choisit_pdf;

  private:
    QWidget* cree_boutons_du_haut();
    QWidget* cree_boutons_du_bas();
    void choisit_fichiers();
    void choisit_dossier();
    void exporte_csv();
    void imprime();
    void montre_tout();
    void remplit_table();
    // The table as a document of the printed page.
    QString html() const;
    bool dessine(QPagedPaintDevice& page) const;
    QString texte(const Texte& t) const;

    FenetrePrincipale& f_;
    FenetreQt& fenetre_;
    // Made at the first addition: it starts a window of its own.
    std::unique_ptr<Recolteur> recolteur_;
    RecolteClasse classe_;
    Texte avis_;
    QPushButton *ajouter_fichiers_, *ajouter_dossier_, *vider_, *ouvrir_, *exporter_csv_,
        *imprimer_;
    QLabel *resume_, *titre_ecartes_;
    QTableWidget* table_;
    QListWidget* ecartes_;
};

} // namespace orvan
