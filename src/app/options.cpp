// The menu bar's options, help, the key of the help and quitting.
#include "app/fenetre_principale.h"

#include "ui/langue_fiche.h"

namespace orvan {

namespace {

constexpr int touche_f1 = 112;

} // namespace

void Coquille::ouvre_menu_fichier() {
    if (f.arbre.ped.mode_interro_geno) f.arbre.regen_shape();
}

void Coquille::quitter() {
    f.visible = false;
    f.plateforme.quitter();
}

void Coquille::sans_info_genotype() {
    f.menus.sans_info_genotype->checked = true;
    f.menus.avec_info_genotype->checked = false;
    f.show_hint_global = false;
}

void Coquille::avec_info_genotype() {
    f.menus.sans_info_genotype->checked = false;
    f.menus.avec_info_genotype->checked = true;
    f.show_hint_global = true;
}

void Coquille::aide() {
    f.plateforme.ouvrir_aide(1);
}

void Coquille::touche(int code) {
    if (code == touche_f1) aide();
}

void Coquille::change_langue(const Menu& entree) {
    const int langue = langue_du_menu(entree);
    const auto repertoires = repertoires_langue(repertoire_depart, repertoire_programme);
    orvan::change_langue(f, langue, repertoires, f.plateforme);
    if (apres_changement_langue) apres_changement_langue(langue);
}

} // namespace orvan
