// "Ouvrir" and "Enregistrer": the event log to and from a .gen file.
#include "app/form1.h"

#include "history/fichier_gen.h"

namespace orvan {

void TForm1::Ouvrir1Click() {
    const auto chemin = plateforme.dialogue_ouvrir(repertoire_depart, "*.gen");
    if (chemin) ouvre_fichier(*chemin);
}

bool TForm1::ouvre_fichier(const std::string& chemin) {
    auto lignes = lit_fichier_gen(chemin);
    if (!lignes) {
        plateforme.erreur("Impossible d'ouvrir le fichier " + chemin);
        return false;
    }
    evenements->lignes = std::move(*lignes);
    nom_fichier_lu->set_caption("fichier:" + nom_sans_repertoire(chemin));
    nom_fichier_lu->left = (width - nom_fichier_lu->width) / 2;
    nom_fichier_lu->top = titre->bottom();
    nom_fichier_lu->visible = true;
    Exercice1->enabled = true;
    menu_pheno->checked = true;
    menu_geno->checked = false;
    BitBtn12Click();
    return true;
}

void TForm1::sauver1Click() {
    const auto chemin = plateforme.dialogue_enregistrer(dernier_nom_enregistre);
    if (!chemin) return;
    dernier_nom_enregistre = *chemin;
    switch (ecrit_fichier_gen(*chemin, evenements->lignes)) {
    case Ecriture::reussie:
        break;
    case Ecriture::creation_impossible:
        plateforme.erreur("Impossible de créer le fichier " + *chemin);
        break;
    case Ecriture::erreur_ecriture:
        plateforme.erreur("Erreur d'écriture dans le flux");
        break;
    }
}

} // namespace orvan
