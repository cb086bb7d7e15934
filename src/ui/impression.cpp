#include "ui/impression.h"

#include "ground/messages.h"
#include "ui/fiche.h"

#include <string>

namespace orvan {

namespace {

// The start picture makes way for the print background, and both come back as they stood
// however the printing ended: a start picture already gone stays gone, for it would stand
// behind the pupil's family for the rest of the session.
class FondImpression {
  public:
    FondImpression(Image& depart, Image& fond)
        : depart_(depart), fond_(fond), image_visible(depart.visible) {
        depart_.visible = false;
        fond_.visible = true;
    }
    ~FondImpression() {
        depart_.visible = image_visible;
        fond_.visible = false;
    }
    FondImpression(const FondImpression&) = delete;
    FondImpression& operator=(const FondImpression&) = delete;

  private:
    Image& depart_;
    Image& fond_;
    bool image_visible;
};

} // namespace

const Texte& message_impression(ResultatImpression resultat) {
    return resultat == ResultatImpression::sans_imprimante ? msg::sans_imprimante
                                                           : msg::impression_echouee;
}

Impression::Impression(Fiche& fp, Plateforme& p, const Traduction& textes)
    : fenetre(p), f(fp), plateforme_(p), textes_(textes) {}

void Impression::imprime() {
    if (fenetre.visible) return;
    {
        FondImpression fond(*depart_, *fond_);
        fenetre.place_sur(f);
        fenetre.lance(plateforme_.capture(f));
        plateforme_.montre_modale(fenetre);
        // A platform may come back with the window still up; it must not stay over the
        // main window.
        fenetre.ferme();
    }
    if (fenetre.resultat && *fenetre.resultat != ResultatImpression::imprimee)
        propose_pdf(*fenetre.resultat);
}

void Impression::propose_pdf(ResultatImpression resultat) {
    Plateforme& p = plateforme_;
    if (!p.question_oui_non(message_impression(resultat) + msg::proposer_pdf)) return;
    const auto chemin = p.dialogue_enregistrer_pdf(textes_(msg::nom_pdf));
    if (!chemin) return;
    if (!p.enregistre_pdf(fenetre.page, *chemin))
        p.erreur(msg::ecriture_impossible.avec({Texte::tel_quel(*chemin)}));
}

} // namespace orvan
