// "Ouvrir" and "Enregistrer": the event log to and from a .gen file.
#include "app/fenetre_principale.h"

#include "history/fichier_gen.h"

namespace orvan {

void Historique::ouvrir() {
    const auto chemin = f.plateforme.dialogue_ouvrir(f.coquille.repertoire_depart, "*.gen");
    if (chemin) ouvre_fichier(*chemin);
}

bool Historique::ouvre_fichier(const std::string& chemin) {
    auto lignes = lit_fichier_gen(chemin);
    if (!lignes) {
        f.plateforme.erreur("Impossible d'ouvrir le fichier " + chemin);
        return false;
    }
    evenements->lignes = std::move(*lignes);
    f.coquille.montre_nom_fichier(nom_sans_repertoire(chemin));
    f.menus.exercices->enabled = true;
    f.menus.saisie_phenotypes->checked = true;
    f.menus.saisie_genotypes->checked = false;
    rejoue_journal();
    return true;
}

void Historique::enregistrer() {
    const auto chemin = f.plateforme.dialogue_enregistrer(dernier_nom_enregistre);
    if (!chemin) return;
    dernier_nom_enregistre = *chemin;
    switch (ecrit_fichier_gen(*chemin, evenements->lignes)) {
    case Ecriture::reussie:
        break;
    case Ecriture::creation_impossible:
        f.plateforme.erreur("Impossible de créer le fichier " + *chemin);
        break;
    case Ecriture::erreur_ecriture:
        f.plateforme.erreur("Erreur d'écriture dans le flux");
        break;
    }
}

} // namespace orvan
