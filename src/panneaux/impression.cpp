#include "panneaux/impression.h"

#include "ground/messages.h"
#include "ui/fiche.h"

#include <string>

namespace orvan {

const Texte& message_impression(ResultatImpression resultat) {
    return resultat == ResultatImpression::sans_imprimante ? msg::sans_imprimante
                                                           : msg::impression_echouee;
}

Impression::Impression(Fiche& fp, Plateforme& p, const Traduction& textes)
    : fenetre(p), f(fp), plateforme_(p), textes_(textes) {}

void Impression::imprime() {
    if (fenetre.visible) return;
    met_le_fond();
    fenetre.place_sur(f);
    fenetre.lance(plateforme_.capture(f));
    plateforme_.montre_modale(fenetre, [this] { apres_impression(); });
}

// The start picture makes way for the print background while the print window shows.
void Impression::met_le_fond() {
    image_visible = depart_->visible;
    depart_->visible = false;
    fond_->visible = true;
}

// Both come back as they stood however the printing ended: a start picture already gone stays
// gone, for it would stand behind the pupil's family for the rest of the session.
void Impression::apres_impression() {
    depart_->visible = image_visible;
    fond_->visible = false;
    // A platform may come back with the window still up; it must not stay over the main window.
    fenetre.ferme();
    if (fenetre.resultat && *fenetre.resultat != ResultatImpression::imprimee)
        propose_pdf(*fenetre.resultat);
}

void Impression::propose_pdf(ResultatImpression resultat) {
    plateforme_.question_oui_non(message_impression(resultat) + msg::proposer_pdf,
                                 [this](bool oui) {
                                     if (!oui) return;
                                     plateforme_.dialogue_enregistrer_pdf(
                                         textes_(msg::nom_pdf), [this](const CheminChoisi& chemin) {
                                             if (chemin) enregistre_pdf(*chemin);
                                         });
                                 });
}

void Impression::enregistre_pdf(const std::string& chemin) {
    if (!plateforme_.enregistre_pdf(fenetre.page, chemin))
        plateforme_.erreur(msg::ecriture_impossible.avec({Texte::tel_quel(chemin)}));
}

} // namespace orvan
