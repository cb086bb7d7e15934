// "Outils › Statistiques": the families of a class pooled (saved files, a folder, or new
// families made like the one on screen), their tables per kind of cross with the chi-square
// test, the plots and the CSV export.
#pragma once

#include "app/familles_comptees.h"
#include "qt/traceur_graphiques.h"

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class QTabWidget;

namespace orvan {

class FenetrePrincipale;

class FenetreStatistiques : public QWidget {
  public:
    FenetreStatistiques(FenetrePrincipale& f, QWidget* parent = nullptr);
    ~FenetreStatistiques() override;

    // Pools these files and folders with the families already there.
    void ajoute_chemins(const QStringList& chemins);
    // n new families like the one on screen: its genes and its founders' phenotypes.
    void ajoute_nouvelles_familles(int n);
    void vide();
    // Every text in the program's language, then the tables and plots again.
    void ecrit_textes();

    const Recolte& recolte() const { return familles_.recolte(); }
    const std::vector<TableCroisement>& tables() const { return familles_.tables(); }

  private:
    QWidget* cree_sources();
    QWidget* cree_tables();
    QWidget* cree_graphiques();
    void choisit_fichiers();
    void choisit_dossier();
    void exporte_csv();
    void enregistre_graphique_courant();
    // Shows everything again after an addition, or says that it was cancelled.
    void apres_ajout(Ajout ajout);
    void montre_tout();
    void liste_croisements();
    void liste_phenotypes();
    void montre_table();
    void montre_proportion();
    void montre_calibration();
    void trace(QWidget* vue, const Graphique& g) const;
    // In the program's language.
    QString texte(const Texte& t) const;

    FenetrePrincipale& f_;
    FamillesComptees familles_;

    QGroupBox* sources_;
    QPushButton *ajouter_fichiers_, *ajouter_dossier_, *nouvelles_, *vider_, *enregistrer_image_,
        *exporter_csv_;
    QLabel *resume_, *titre_croisements_, *titre_ecartes_;
    Texte avis_; // what the last addition asks the user to know, under the summary
    QSpinBox* nombre_nouvelles_;
    QComboBox* croisements_;
    std::vector<std::size_t> listees_; // the tables that croisements_ lists, in its order
    QTableWidget* enfants_;
    QRadioButton *par_programme_, *par_hypothese_;
    QLineEdit* hypothese_;
    QTableWidget* comparaison_;
    QLabel* test_;
    QListWidget* ecartes_;
    QTabWidget* onglets_;
    // The module's plots; labels that say why there are none when it did not load.
    QWidget *vue_comparaison_, *vue_proportion_, *vue_calibration_;
    QComboBox* phenotype_suivi_;
    QComboBox* gene_calibre_;
};

} // namespace orvan
