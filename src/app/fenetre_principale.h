// The main window: one object per subsystem, and the things they share (the family, the
// generator, the event log and the platform). It composes them: each subsystem receives the few
// objects it uses, and where two must act together, the window ties them.
#pragma once

#include "app/coquille.h"
#include "app/image_depart.h"
#include "app/menus.h"
#include "app/vues_des_genes_fenetre.h"
#include "conseil/probabilites_affichees.h"
#include "exercises/exercice_alleles.h"
#include "exercises/exercice_genotypes.h"
#include "exercises/liens_exercices.h"
#include "exercises/saisie_genotypes.h"
#include "famille/famille.h"
#include "genebank/choix_genes.h"
#include "ground/generateur.h"
#include "ground/plateforme.h"
#include "historique/historique.h"
#include "history/journal.h"
#include "panneaux/calculette.h"
#include "panneaux/impression.h"
#include "panneaux/panneau_couleurs.h"
#include "panneaux/panneaux_mobiles.h"
#include "pedigree/arbre.h"
#include "pedigree/choix_phenotypes.h"
#include "pedigree/liens_pedigree.h"
#include "ui/fiche.h"

#include <string>
#include <vector>

namespace orvan {

class FenetrePrincipale : public Fiche {
  public:
    // arguments: the command line after the program name (the first one picks the language).
    explicit FenetrePrincipale(Plateforme& plateforme, std::vector<std::string> arguments = {});

    Plateforme& plateforme;
    std::vector<std::string> arguments;
    // The language the window speaks; the platform's boxes and dialogs speak it too.
    Traduction textes;
    Generateur alea;
    Journal journal;
    // The family on screen: the pedigree's and the exercises' handlers change it, and the
    // pedigree writes its controls from it.
    Famille famille;

    Menus menus;
    ImageDepart depart;
    Arbre arbre;
    Coquille coquille;
    ChoixGenes genes;
    ChoixPhenotypes phenotypes;
    ExerciceAlleles alleles;
    PanneauCouleurs couleurs;
    Calculette calculette;
    SaisieGenotypes genotypes;
    Historique historique;
    Impression impression;
    PanneauxMobiles panneaux_mobiles{*this};
    // What the gene choice uses, and the panels it fills.
    VuesDesGenesFenetre vues_des_genes{*this};
    LiensGenes liens_genes{*this, plateforme, textes, journal, alea, couleurs, vues_des_genes};
    // What the pedigree's and the exercises' panels use; after the panels they name, so that the
    // genotype panel is made before the pedigree sees it.
    LiensPedigree liens_pedigree{
        *this, plateforme, textes,    famille,  journal,          alea, genes,
        arbre, phenotypes, genotypes, couleurs, panneaux_mobiles, {}};
    LiensExercices liens_exercices{*this,
                                   plateforme,
                                   textes,
                                   famille,
                                   journal,
                                   genes.modele,
                                   arbre,
                                   phenotypes,
                                   couleurs,
                                   alleles,
                                   liens_pedigree.menus,
                                   nullptr,
                                   nullptr,
                                   nullptr,
                                   {}};
    // The genotype exercise and its question window.
    ExerciceGenotypes interro{liens_exercices};

    // Affichage › Probabilités.
    ProbabilitesAffichees probabilites{plateforme};
    // After each event: the probabilities follow the family; true when what they show changed.
    bool actualise_probabilites();

    // "Exporter l'image…": the front end draws the family into a file; the core draws nothing.
    std::function<void()> exporte_image;
    // "Exporter › PED…", "Outils › Statistiques…" and "Classe…": windows and dialogs of the
    // front end.
    std::function<void()> exporte_ped, montre_statistiques, montre_classe;
    // "Tableau de la famille": the front end shows the family as a table.
    std::function<void()> montre_tableau;
    // The zoom of the family's picture and the presentation on a projector: the front end's
    // view, which ticks "Ajuster à la fenêtre" while the picture fits the window.
    enum class CommandeVue { zoom_avant, zoom_arriere, taille_reelle, ajuster, presentation };
    std::function<void(CommandeVue)> commande_vue;

  private:
    void cree_controles();
    void relie_menus();
    void relie_menus_affichage();
    void relie_historique();
    void relie_pedigree();
    void relie_exercices();
    void relie_panneaux_mobiles();
    void relie_couleurs();
};

} // namespace orvan
