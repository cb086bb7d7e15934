#include "app/menus.h"

#include "ground/messages.h"
#include "ui/fiche.h"
#include "ui/textes_controles.h"

namespace orvan {

namespace {

constexpr int majuscule = 0x2000;
constexpr int ctrl = 0x4000;

} // namespace

void Menus::cree(Fiche& f) {
    const auto menu = [&f](Menu* parent, const char* nom, const char* texte, int tag) {
        Menu& m = f.cree<Menu>(parent, nom);
        m.caption = texte;
        m.tag = tag;
        return &m;
    };
    fichier = menu(nullptr, "Fichier1", "Fichier", 1);
    ouvrir = menu(fichier, "Ouvrir1", "Ouvrir", 11);
    enregistrer = menu(fichier, "sauver1", "Enregistrer", 12);
    imprimer = menu(fichier, "Imprimer1", "Imprimer", 13);
    exporter_image = menu(fichier, "Exporterimage1", "Exporter l'image…", 15);
    exporter = menu(fichier, "Exporter1", "Exporter", 17);
    exporter_ped = menu(exporter, "ExporterPED1", "PED…", 171);
    quitter = menu(fichier, "Quitter1", "Quitter", 14);
    ouvrir->raccourci = ctrl | 'O';
    enregistrer->raccourci = ctrl | 'S';
    imprimer->raccourci = ctrl | 'P';
    quitter->raccourci = ctrl | 'Q';
    edition = menu(nullptr, "Edition1", "Édition", 16);
    annuler_action = menu(edition, "Annuler1", "Annuler", 161);
    retablir_action = menu(edition, "Retablir1", "Rétablir", 162);
    annuler_action->raccourci = ctrl | 'Z';
    retablir_action->raccourci = ctrl | 'Y';
    retablir_action->raccourci_bis = ctrl | majuscule | 'Z';
    annuler_action->enabled = retablir_action->enabled = false;
    caractere = menu(nullptr, "Caractre1", "Caractère", 2);
    // The exercises are the lesson: their menu shows, enabled once there is a family.
    exercices = menu(nullptr, "Exercice1", "Exercices", 3);
    ecrit_bulle(*exercices, msg::exercices_attendent, Langue::francais);
    exercice_alleles = menu(exercices, "Gnotypes1", "Allèles", 31);
    exercice_genotypes = menu(exercices, "Gnotypes2", "Génotypes", 32);
    autre_famille = menu(nullptr, "Autrefamille1", "Autre famille", 4);
    autre_famille->enabled = false;
    couleurs = menu(nullptr, "choix_coul", "Couleurs", 5);
    couleurs->enabled = false;
    calculette = menu(nullptr, "Calculette1", "Calculette", 6);
    calculette->visible = false;
    saisie = menu(nullptr, "Choix1", "Saisie phénot./génot.", 7);
    saisie->visible = false;
    saisie_phenotypes = menu(saisie, "menu_pheno", "Phénotypes", 71);
    saisie_genotypes = menu(saisie, "menu_geno", "Génotypes", 72);
    historique = menu(nullptr, "Evnements1", "Historique", 8);
    aide = menu(nullptr, "Aide1", "Aide", 9);
    aide->visible = false;
    affichage = menu(nullptr, "Affichage1", "Affichage", 20);
    tableau = menu(affichage, "Tableau1", "Tableau de la famille", 201);
    separateur_probabilites = menu(affichage, "N3", "-", 0);
    separateur_probabilites->separateur = true;
    probabilites = menu(affichage, "Probabilits1", "Probabilités", 202);
    separateur_a_priori = menu(affichage, "N4", "-", 0);
    separateur_a_priori->separateur = true;
    dans_ce_programme = menu(affichage, "Danscepgm1", "Dans ce programme", 203);
    dans_ce_programme->checked = true;
    dans_la_population = menu(affichage, "Danslapop1", "Dans la population", 204);
    options = menu(nullptr, "options", "Options", 10);
    sans_info_genotype = menu(options, "Sansinfognotype1", "Sans info génotype", 101);
    avec_info_genotype = menu(options, "Avecinfognotype1", "Avec info génotype", 102);
    separateur = menu(options, "N1", "-", 0);
    separateur->separateur = true;
    langue = menu(options, "Langue1", "Langue", 103);
    francais = menu(langue, "Franais1", "Français", 351);
    anglais = menu(langue, "Anglais1", "Anglais", 352);
    separateur_dessin = menu(options, "N2", "-", 0);
    separateur_dessin->separateur = true;
    motifs = menu(options, "Motifs1", "Motifs", 104);
    numerotation = menu(options, "Numrotation1", "Numérotation", 105);
    outils = menu(nullptr, "Outils1", "Outils", 21);
    statistiques = menu(outils, "Statistiques1", "Statistiques…", 211);
}

void bascule(Menu& option) {
    option.checked = !option.checked;
}

} // namespace orvan
