// "Ouvrir" and "Enregistrer": the event log to and from a .gen file.
#include "app/fenetre_principale.h"

#include "history/enregistrement_gen.h"
#include "history/fichier_gen.h"

namespace orvan {

void Historique::ouvrir() {
    const auto chemin = f.plateforme.dialogue_ouvrir(f.coquille.repertoire_depart);
    if (chemin) ouvre_fichier(*chemin);
}

bool Historique::ouvre_fichier(const std::string& chemin) {
    auto lecture = lit_fichier_gen(chemin);
    if (!lecture) {
        f.plateforme.erreur(lecture.erreur);
        return false;
    }
    evenements->lignes = std::move(lecture.lignes);
    f.coquille.montre_nom_fichier(nom_sans_repertoire(chemin));
    f.menus.exercices->enabled = true;
    f.menus.saisie_phenotypes->checked = true;
    f.menus.saisie_genotypes->checked = false;
    // The replay clicks no founder: the start picture would stay behind the family.
    f.depart.lance_disparition();
    rejoue_journal();
    return true;
}

void Historique::enregistrer() {
    const auto chemin = f.plateforme.dialogue_enregistrer(dernier_nom_enregistre);
    if (!chemin) return;
    dernier_nom_enregistre = *chemin;
    const Enregistrement r = enregistre_fichier_gen(*chemin, evenements->lignes);
    if (r != Enregistrement::reussi) f.plateforme.erreur(message_enregistrement(r, *chemin));
}

} // namespace orvan
