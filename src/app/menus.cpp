#include "app/menus.h"

#include "ground/messages.h"
#include "ui/fiche.h"
#include "ui/textes_controles.h"

namespace orvan {

namespace {

constexpr int majuscule = 0x2000;
constexpr int ctrl = 0x4000;
constexpr int touche_f11 = 122;

} // namespace

void Menus::cree(Fiche& f) {
    cree_fichier_et_edition(f);
    cree_lecon(f);
    cree_affichage(f);
    cree_options(f);
    cree_outils(f);
    cree_aide(f);
}

Menu* Menus::entree(Fiche& f, Menu* parent, const char* nom, const char* texte, int tag) {
    Menu& m = f.cree<Menu>(parent, nom);
    m.caption = texte;
    m.tag = tag;
    return &m;
}

Menu* Menus::trait(Fiche& f, Menu* parent, const char* nom) {
    Menu* m = entree(f, parent, nom, "-", 0);
    m->separateur = true;
    return m;
}

void Menus::cree_fichier_et_edition(Fiche& f) {
    fichier = entree(f, nullptr, "Fichier1", "Fichier", 1);
    ouvrir = entree(f, fichier, "Ouvrir1", "Ouvrir", 11);
    enregistrer = entree(f, fichier, "sauver1", "Enregistrer", 12);
    imprimer = entree(f, fichier, "Imprimer1", "Imprimer", 13);
    exporter_image = entree(f, fichier, "Exporterimage1", "Exporter l'image…", 15);
    exporter = entree(f, fichier, "Exporter1", "Exporter", 17);
    exporter_ped = entree(f, exporter, "ExporterPED1", "PED…", 171);
    quitter = entree(f, fichier, "Quitter1", "Quitter", 14);
    ouvrir->raccourci = ctrl | 'O';
    enregistrer->raccourci = ctrl | 'S';
    imprimer->raccourci = ctrl | 'P';
    quitter->raccourci = ctrl | 'Q';
    edition = entree(f, nullptr, "Edition1", "Édition", 16);
    annuler_action = entree(f, edition, "Annuler1", "Annuler", 161);
    retablir_action = entree(f, edition, "Retablir1", "Rétablir", 162);
    annuler_action->raccourci = ctrl | 'Z';
    retablir_action->raccourci = ctrl | 'Y';
    retablir_action->raccourci_bis = ctrl | majuscule | 'Z';
    annuler_action->enabled = retablir_action->enabled = false;
}

// The trait, the lesson's menus and the hidden ones, in the order the language file knows them.
void Menus::cree_lecon(Fiche& f) {
    caractere = entree(f, nullptr, "Caractre1", "Caractère", 2);
    // The exercises are the lesson: their menu shows, enabled once there is a family.
    exercices = entree(f, nullptr, "Exercice1", "Exercices", 3);
    ecrit_bulle(*exercices, msg::exercices_attendent, Langue::francais);
    exercice_alleles = entree(f, exercices, "Gnotypes1", "Allèles", 31);
    exercice_genotypes = entree(f, exercices, "Gnotypes2", "Génotypes", 32);
    autre_famille = entree(f, nullptr, "Autrefamille1", "Autre famille", 4);
    autre_famille->enabled = false;
    couleurs = entree(f, nullptr, "choix_coul", "Couleurs", 5);
    couleurs->enabled = false;
    calculette = entree(f, nullptr, "Calculette1", "Calculette", 6);
    calculette->visible = false;
    saisie = entree(f, nullptr, "Choix1", "Saisie phénot./génot.", 7);
    saisie->visible = false;
    saisie_phenotypes = entree(f, saisie, "menu_pheno", "Phénotypes", 71);
    saisie_genotypes = entree(f, saisie, "menu_geno", "Génotypes", 72);
    historique = entree(f, nullptr, "Evnements1", "Historique", 8);
}

// Last on the bar, as on any desktop program's.
void Menus::cree_aide(Fiche& f) {
    aide = entree(f, nullptr, "Aide1", "Aide", 9);
    aide_sommaire = entree(f, aide, "AideSommaire1", "", 91);
    aide_clavier = entree(f, aide, "AideClavier1", "", 92);
    aide_a_propos = entree(f, aide, "AideAPropos1", "", 93);
    ecrit(*aide_sommaire, msg::aide_sommaire, Langue::francais);
    ecrit(*aide_clavier, msg::aide_clavier, Langue::francais);
    ecrit(*aide_a_propos, msg::aide_a_propos, Langue::francais);
}

void Menus::cree_affichage(Fiche& f) {
    affichage = entree(f, nullptr, "Affichage1", "Affichage", 20);
    tableau = entree(f, affichage, "Tableau1", "Tableau de la famille", 201);
    separateur_probabilites = trait(f, affichage, "N3");
    probabilites = entree(f, affichage, "Probabilits1", "Probabilités", 202);
    separateur_a_priori = trait(f, affichage, "N4");
    dans_ce_programme = entree(f, affichage, "Danscepgm1", "Dans ce programme", 203);
    dans_ce_programme->checked = true;
    dans_la_population = entree(f, affichage, "Danslapop1", "Dans la population", 204);
    frequences = entree(f, affichage, "Frequences1", "Fréquences des allèles…", 205);
    cree_zoom(f);
}

void Menus::cree_zoom(Fiche& f) {
    separateur_zoom = trait(f, affichage, "N5");
    zoom_avant = entree(f, affichage, "ZoomAvant1", "", 206);
    zoom_arriere = entree(f, affichage, "ZoomArriere1", "", 207);
    taille_reelle = entree(f, affichage, "TailleReelle1", "", 208);
    ajuster = entree(f, affichage, "Ajuster1", "", 209);
    presentation = entree(f, affichage, "Presentation1", "", 210);
    ecrit(*zoom_avant, msg::zoom_avant, Langue::francais);
    ecrit(*zoom_arriere, msg::zoom_arriere, Langue::francais);
    ecrit(*taille_reelle, msg::taille_reelle, Langue::francais);
    ecrit(*ajuster, msg::ajuster_a_la_fenetre, Langue::francais);
    ecrit(*presentation, msg::presentation_plein_ecran, Langue::francais);
    zoom_avant->raccourci = ctrl | '=';
    zoom_avant->raccourci_bis = ctrl | '+';
    zoom_arriere->raccourci = ctrl | '-';
    taille_reelle->raccourci = ctrl | '0';
    presentation->raccourci = touche_f11;
    ajuster->checked = true;
}

void Menus::cree_options(Fiche& f) {
    options = entree(f, nullptr, "options", "Options", 10);
    sans_info_genotype = entree(f, options, "Sansinfognotype1", "Sans info génotype", 101);
    avec_info_genotype = entree(f, options, "Avecinfognotype1", "Avec info génotype", 102);
    separateur = trait(f, options, "N1");
    langue = entree(f, options, "Langue1", "Langue", 103);
    francais = entree(f, langue, "Franais1", "Français", 351);
    anglais = entree(f, langue, "Anglais1", "Anglais", 352);
    separateur_dessin = trait(f, options, "N2");
    motifs = entree(f, options, "Motifs1", "Motifs", 104);
    numerotation = entree(f, options, "Numrotation1", "Numérotation", 105);
}

void Menus::cree_outils(Fiche& f) {
    outils = entree(f, nullptr, "Outils1", "Outils", 21);
    statistiques = entree(f, outils, "Statistiques1", "Statistiques…", 211);
    classe = entree(f, outils, "Classe1", "Classe…", 212);
}

void bascule(Menu& option) {
    option.checked = !option.checked;
}

} // namespace orvan
