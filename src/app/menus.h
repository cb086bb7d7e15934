// The main menu of the main window, in its order, with the tags the language file uses.
#pragma once

namespace orvan {

class Fiche;
struct Menu;

struct Menus {
    void cree(Fiche& fenetre);

    Menu *fichier, *ouvrir, *enregistrer, *imprimer, *quitter;
    // Undo and redo by whole actions.
    Menu *edition, *annuler_action, *retablir_action;
    Menu* caractere;
    Menu *exercices, *exercice_alleles, *exercice_genotypes;
    Menu* autre_famille;
    Menu* couleurs;
    Menu* calculette;
    Menu *saisie, *saisie_phenotypes, *saisie_genotypes;
    Menu* historique;
    Menu* aide;
    // Under "Aide": the contents (F1), the keyboard's shortcuts, about the program.
    Menu *aide_sommaire, *aide_clavier, *aide_a_propos;
    Menu *options, *sans_info_genotype, *avec_info_genotype, *separateur;
    Menu *langue, *francais, *anglais;
    // The picture export, under "Imprimer"; two options of the family's drawing, unticked at
    // first, after the other options.
    Menu* exporter_image;
    Menu *separateur_dessin, *motifs, *numerotation;
    // "Exporter › PED…" under "Fichier", "Outils › Statistiques…" and "Outils › Classe…": the
    // front end serves them.
    Menu *exporter, *exporter_ped;
    Menu *outils, *statistiques, *classe;
    // The family as a table beside the pedigree; the probabilities on the pedigree, and the
    // prior they start from.
    Menu *affichage, *tableau, *separateur_probabilites, *probabilites, *separateur_a_priori;
    Menu *dans_ce_programme, *dans_la_population, *frequences;
    // The picture's zoom, served by the front end; the fitted view is ticked while it holds.
    Menu *separateur_zoom, *zoom_avant, *zoom_arriere, *taille_reelle, *ajuster, *presentation;

  private:
    static Menu* entree(Fiche& f, Menu* parent, const char* nom, const char* texte, int tag);
    static Menu* trait(Fiche& f, Menu* parent, const char* nom);
    void cree_fichier_et_edition(Fiche& f);
    void cree_lecon(Fiche& f);
    void cree_affichage(Fiche& f);
    void cree_zoom(Fiche& f);
    void cree_options(Fiche& f);
    void cree_outils(Fiche& f);
    void cree_aide(Fiche& f);
};

// An option that each choice ticks or unticks.
void bascule(Menu& option);

} // namespace orvan
