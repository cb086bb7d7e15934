// "Ouvrir" and "Enregistrer": the event log to and from a .gen file.
#include "historique/historique.h"

#include "ground/plateforme.h"
#include "ui/controles.h"

#include "history/enregistrement_gen.h"
#include "history/fichier_gen.h"

namespace orvan {

void Historique::ouvrir() {
    plateforme_.dialogue_ouvrir(relais.repertoire_ouverture(), [this](const CheminChoisi& chemin) {
        if (chemin) ouvre_fichier(*chemin);
    });
}

bool Historique::ouvre_fichier(const std::string& chemin) {
    auto lecture = lit_fichier_gen(chemin);
    if (!lecture) {
        plateforme_.erreur(lecture.erreur);
        return false;
    }
    const std::function<void()> remet_la_fenetre = relais.retient_fenetre();
    const bool ouvert = rejoue_ou_revient(lecture.lignes.size(), [&](Progression& p) {
        evenements->lignes = std::move(lecture.lignes);
        relais.montre_fichier_ouvert(nom_sans_repertoire(chemin));
        return rejoue(p);
    });
    if (!ouvert) remet_la_fenetre();
    return ouvert;
}

void Historique::enregistrer() {
    plateforme_.dialogue_enregistrer(dernier_nom_enregistre, [this](const CheminChoisi& chemin) {
        if (chemin) enregistre_sous(*chemin);
    });
}

void Historique::enregistre_sous(const std::string& chemin) {
    dernier_nom_enregistre = chemin;
    const Enregistrement r = enregistre_fichier_gen(chemin, evenements->lignes);
    if (r != Enregistrement::reussi) plateforme_.erreur(message_enregistrement(r, chemin));
}

} // namespace orvan
