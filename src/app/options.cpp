// The menu bar's options, help, the key of the help and quitting.
#include "app/fenetre_principale.h"
#include "ground/messages.h"
#include "ui/textes_controles.h"

#include "ui/langue_fiche.h"

namespace orvan {

namespace {

constexpr int touche_f1 = 112;

} // namespace

void Coquille::ouvre_menu_fichier() {
    f.arbre.finit_les_questions();
}

void Coquille::quitter() {
    f.historique.avant_d_abandonner([this] {
        f.historique.abandonne();
        f.visible = false;
        f.plateforme.quitter();
    });
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
    f.plateforme.ouvrir_aide(msg::page_aide, 1);
}

void Coquille::touche(int code) {
    if (code == touche_f1) aide();
}

void Coquille::change_langue(const Menu& entree) {
    const int langue = langue_du_menu(entree);
    if (langue == langue_francais || langue == langue_anglais) {
        const Langue l = langue_numero(langue);
        f.textes.change(l);
        traduit(f, l);
        traduit(f.interro.dialogue, l);
        traduit(f.impression.fenetre, l);
        remet_en_place_les_textes();
    }
    const auto repertoires = repertoires_langue(repertoire_depart, repertoire_programme);
    orvan::change_langue(f, langue, repertoires, f.plateforme);
    if (apres_changement_langue) apres_changement_langue(langue);
}

// Texts whose place or size follows from their length: centred titles, the statements' boxes.
void Coquille::remet_en_place_les_textes() {
    if (titre->visible) f.genes.centre_titre();
    if (nom_fichier_lu->visible) nom_fichier_lu->left = (f.width - nom_fichier_lu->width) / 2;
    f.alleles.remesure_relations();
}

} // namespace orvan
