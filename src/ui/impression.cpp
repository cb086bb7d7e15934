#include "ui/impression.h"

#include "app/fenetre_principale.h"
#include "ground/messages.h"

#include <string>

namespace orvan {

namespace {

// The start picture makes way for the print background, and both come back as they stood
// however the printing ended: a start picture already gone stays gone, for it would stand
// behind the pupil's family for the rest of the session.
class FondImpression {
  public:
    explicit FondImpression(ImageDepart& d) : depart(d), image_visible(d.image->visible) {
        depart.image->visible = false;
        depart.fond_impression->visible = true;
    }
    ~FondImpression() {
        depart.image->visible = image_visible;
        depart.fond_impression->visible = false;
    }
    FondImpression(const FondImpression&) = delete;
    FondImpression& operator=(const FondImpression&) = delete;

  private:
    ImageDepart& depart;
    bool image_visible;
};

} // namespace

const Texte& message_impression(ResultatImpression resultat) {
    return resultat == ResultatImpression::sans_imprimante ? msg::sans_imprimante
                                                           : msg::impression_echouee;
}

Impression::Impression(FenetrePrincipale& fp) : fenetre(fp.plateforme), f(fp) {}

void Impression::imprime() {
    if (fenetre.visible) return;
    {
        FondImpression fond(f.depart);
        fenetre.place_sur(f);
        fenetre.lance(f.plateforme.capture(f));
        f.plateforme.montre_modale(fenetre);
        // A platform may come back with the window still up; it must not stay over the
        // main window.
        fenetre.ferme();
    }
    if (fenetre.resultat && *fenetre.resultat != ResultatImpression::imprimee)
        propose_pdf(*fenetre.resultat);
}

void Impression::propose_pdf(ResultatImpression resultat) {
    Plateforme& p = f.plateforme;
    if (!p.question_oui_non(message_impression(resultat) + msg::proposer_pdf)) return;
    const auto chemin = p.dialogue_enregistrer_pdf(f.textes(msg::nom_pdf));
    if (!chemin) return;
    if (!p.enregistre_pdf(fenetre.page, *chemin))
        p.erreur(msg::ecriture_impossible.avec({Texte::tel_quel(*chemin)}));
}

} // namespace orvan
