#include "qt/classe_qt.h"

#include "app/fenetre_principale.h"
#include "qt/fenetre_classe.h"
#include "qt/fenetre_qt.h"

namespace orvan {

ClasseQt::ClasseQt(FenetrePrincipale& f, FenetreQt& fenetre) : f_(f), fenetre_(fenetre) {
    f_.montre_classe = [this] {
        FenetreClasse& c = fenetre_classe();
        c.ecrit_textes();
        c.show();
        c.raise();
        c.activateWindow();
    };
}

ClasseQt::~ClasseQt() {
    f_.montre_classe = nullptr;
}

FenetreClasse& ClasseQt::fenetre_classe() {
    if (!classe_) classe_ = std::make_unique<FenetreClasse>(f_, fenetre_);
    return *classe_;
}

} // namespace orvan
