// The application shell: the start-up sequence and the full reset, the choice of one or two
// genes, the restarts, the title, and the options and help of the menu bar.
#pragma once

#include "app/ligne_de_commande.h"

#include <cstdint>
#include <functional>
#include <string>

namespace orvan {

class FenetrePrincipale;
struct BoutonGlyphe;
struct Groupe;
struct Label;
struct Menu;
struct Minuterie;

class Coquille {
  public:
    explicit Coquille(FenetrePrincipale& fenetre) : f(fenetre) {}
    void cree_titres();
    void cree_panneau_mode();
    void cree_mesures();
    void cree_minuterie();

    // The window's creation: centred on the screen, the start-up sequence on the first tick.
    void demarre();
    bool mode_enseignant() const { return ligne_de_commande.enseignant; }
    void sequence_demarrage();
    // The full reset of a new start or a new mode: the genes of the bank listed again, the
    // family and every panel emptied.
    void remet_a_zero();
    // "Autre famille": the same genes, the family and every panel emptied.
    void vide_la_famille();
    void monohybridisme();
    void dihybridisme();
    void nouveau_caractere();
    void autre_famille();
    void recommence_la_famille();
    void ouvre_menu_fichier();
    void quitter();
    void sans_info_genotype();
    void avec_info_genotype();
    void aide();
    void touche(int code);
    // "Français" or "Anglais": the texts of that column of the language file.
    void change_langue(const Menu& entree);

    // Reads the command line once the controls exist: teacher mode shows the menu entries that
    // the window otherwise keeps hidden.
    void lit_arguments();
    // Teacher mode: the mode buttons, then the gene lists, instead of the automatic choice.
    void choix_enseignant_mono();
    void choix_enseignant_di();

    // The file name under the title, once a family has been read from a file.
    void montre_nom_fichier(const std::string& nom);
    void cache_nom_fichier();

    Label* titre;
    Label* nom_fichier_lu;
    // The name of the family's file when it was read from one, as that label shows it.
    std::string fichier_lu;
    Groupe* panneau_mode;
    Label* presentation;
    BoutonGlyphe *bouton_mono, *bouton_di, *bouton_ouvrir, *bouton_quitter;
    // Hidden labels that measure the fonts, and the question of "Caractère".
    Label *mesure_hauteur, *mesure_relation, *mesure_genotype, *question_caractere;
    Minuterie* minuterie_demarrage;

    std::string repertoire_depart;
    LigneDeCommande ligne_de_commande;
    // Where the program itself lies: the language file is also looked for there.
    std::string repertoire_programme;
    // Runs after each change of language (the front end's own texts follow it).
    std::function<void(int langue)> apres_changement_langue;

  private:
    void remet_en_place_les_textes();
    void reinitialise(bool relit_les_genes);
    void choix_mode(int genes);
    void abandonne_la_famille(const std::string& question, std::function<void()> suite);
    void suite_de_la_ligne_de_commande();
    bool reprise_proposee_ = false;
    void montre_choix_des_genes();
    FenetrePrincipale& f;
};

} // namespace orvan
