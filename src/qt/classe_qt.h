// The front end of "Outils › Classe…": its window, made when first asked for.
#pragma once

#include <memory>

namespace orvan {

class FenetreClasse;
class FenetrePrincipale;
class FenetreQt;

class ClasseQt {
  public:
    ClasseQt(FenetrePrincipale& f, FenetreQt& fenetre);
    ~ClasseQt();

    FenetreClasse& fenetre_classe();

  private:
    FenetrePrincipale& f_;
    FenetreQt& fenetre_;
    std::unique_ptr<FenetreClasse> classe_;
};

} // namespace orvan
