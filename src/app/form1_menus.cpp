// The main menu of the main window, in its order, with the tags the language file uses.
#include "app/form1.h"

namespace orvan {

void TForm1::cree_menus() {
    auto menu = [this](Menu* parent, const char* nom, const char* texte, int tag) {
        Menu& m = cree<Menu>(parent, nom);
        m.caption = texte;
        m.tag = tag;
        return &m;
    };
    Fichier1 = menu(nullptr, "Fichier1", "Fichier", 1);
    Ouvrir1 = menu(Fichier1, "Ouvrir1", "Ouvrir", 11);
    sauver1 = menu(Fichier1, "sauver1", "Enregistrer", 12);
    Imprimer1 = menu(Fichier1, "Imprimer1", "Imprimer", 13);
    Quitter1 = menu(Fichier1, "Quitter1", "Quitter", 14);
    Caractre1 = menu(nullptr, "Caractre1", "Caractère", 2);
    Exercice1 = menu(nullptr, "Exercice1", "Exercices", 3);
    Exercice1->visible = false;
    Gnotypes1 = menu(Exercice1, "Gnotypes1", "Allèles", 31);
    Gnotypes2 = menu(Exercice1, "Gnotypes2", "Génotypes", 32);
    Autrefamille1 = menu(nullptr, "Autrefamille1", "Autre famille", 4);
    Autrefamille1->enabled = false;
    choix_coul = menu(nullptr, "choix_coul", "Couleurs", 5);
    choix_coul->enabled = false;
    Calculette1 = menu(nullptr, "Calculette1", "Calculette", 6);
    Calculette1->visible = false;
    Choix1 = menu(nullptr, "Choix1", "Saisie phénot./génot.", 7);
    Choix1->visible = false;
    menu_pheno = menu(Choix1, "menu_pheno", "Phénotypes", 71);
    menu_geno = menu(Choix1, "menu_geno", "Génotypes", 72);
    Evnements1 = menu(nullptr, "Evnements1", "Historique", 8);
    Aide1 = menu(nullptr, "Aide1", "Aide", 9);
    Aide1->visible = false;
    options = menu(nullptr, "options", "Options", 10);
    Sansinfognotype1 = menu(options, "Sansinfognotype1", "Sans info génotype", 101);
    Avecinfognotype1 = menu(options, "Avecinfognotype1", "Avec info génotype", 102);
    N1 = menu(options, "N1", "-", 0);
    N1->separateur = true;
    Langue1 = menu(options, "Langue1", "Langue", 103);
    Franais1 = menu(Langue1, "Franais1", "Français", 351);
    Anglais1 = menu(Langue1, "Anglais1", "Anglais", 352);
}

} // namespace orvan
