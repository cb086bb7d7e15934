// The program in a page: the browser's platform, the main window, and what the page asks of
// them. The page sends each of the user's actions as a small JSON object and draws the state
// that comes back: the windows' controls, the questions waiting for an answer, the family's
// picture as SVG, and what the page must do itself (a download, printing, the help).
#pragma once

#include "app/fenetre_principale.h"
#include "web/plateforme_web.h"

#include <set>
#include <string>
#include <vector>

namespace orvan {

class SessionWeb {
  public:
    SessionWeb(std::vector<std::string> arguments, Taille ecran);

    PlateformeWeb plateforme;
    FenetrePrincipale f;

    // One action of the user, by the page: {"fenetre": name, "controle": rank, "action": ...}.
    void traite(const json& action);
    // Everything the page shows; what it must do is handed over once.
    json etat();

  private:
    Fiche* fenetre(const std::string& nom);
    void agit(const json& action);
    void clic_individu(int k, Bouton bouton);
    void signale_echec(const std::string& quoi);
    json famille_json();
    std::set<const Controle*> omis_;
};

} // namespace orvan
