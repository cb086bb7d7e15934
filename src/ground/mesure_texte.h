// The size of a text in a control's font, which only the platform can tell.
#pragma once

#include <string>

namespace orvan {

struct Police {
    int taille = 9; // points
    bool gras = false;
};

struct Taille {
    int largeur = 0;
    int hauteur = 0;
};

// Text measurement in a control's font: the platform answers it.
class MesureTexte {
  public:
    virtual ~MesureTexte() = default;
    virtual Taille mesure(const std::string& texte, const Police& police) const = 0;
};

} // namespace orvan
