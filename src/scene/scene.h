// The pedigree's picture as plain data, in its own units (one unit is a pixel of a 96 ppi
// screen): what the window, the print and every export draw, and what the SVG writes.
#pragma once

#include "famille/sexe.h"
#include "ground/couleurs.h"
#include "ui/motifs.h"

#include <string>
#include <utility>
#include <vector>

namespace orvan {

struct Boite {
    double x = 0, y = 0, largeur = 0, hauteur = 0;
    double droite() const { return x + largeur; }
    double bas() const { return y + hauteur; }
    // Two boxes that share more than an edge.
    bool chevauche(const Boite& b) const {
        return x < b.droite() && b.x < droite() && y < b.bas() && b.y < bas();
    }
    bool contient(const Boite& b) const {
        return b.x >= x && b.y >= y && b.droite() <= droite() && b.bas() <= bas();
    }
};

enum class Ancre { debut, milieu, fin };

// What a text of an individual says: a click on its phenotype acts as on its symbol, a click on
// its probabilities opens their table.
enum class RoleTexte { autre, numero, phenotype, probabilite };

struct TexteScene {
    std::string texte;
    double x = 0, y = 0; // the anchor on the baseline
    double taille = 12;  // font size in units
    bool gras = false;
    Ancre ancre = Ancre::milieu;
    Boite boite;      // every ink of the text stands inside
    int individu = 0; // whose text it is; 0 for the title, the numbers of generations, the legend
    RoleTexte role = RoleTexte::autre;
};

struct SymboleScene {
    int individu = 0;
    Sexe sexe = Sexe::homme; // a square or a circle
    Boite boite;
    Couleur remplissage = rgb(255, 255, 255);
    Motif motif = Motif::aucun;
};

// A rectangle filled with a colour and its pattern: under a symbol, the phenotype of the second
// gene; in the legend, a sample.
struct PaveScene {
    int individu = 0;
    Boite boite;
    Couleur remplissage = rgb(255, 255, 255);
    Motif motif = Motif::aucun;
    bool cercle = false; // a round sample (the legend's women) or the carrier's dot
};

// The lines a hand may take: the line down from a couple folds its sibship, the sibship's own
// line slides it sideways.
enum class RoleTrait { autre, descente, fratrie };

struct TraitScene {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    RoleTrait role = RoleTrait::autre;
    int union_famille = -1; // the union whose sibship a line down or a sibship's line is
    // The box the stroke covers, its width included.
    Boite boite() const;
};

constexpr double epaisseur_trait = 1.5;

struct Scene {
    double largeur = 0, hauteur = 0;
    std::string titre;
    std::string police; // the family of faces every text is set in
    std::vector<TraitScene> traits;
    std::vector<SymboleScene> symboles;
    std::vector<PaveScene> paves;  // second-gene fills and legend samples
    std::vector<PaveScene> points; // the dots of the carriers for sure, drawn over the symbols
    std::vector<TexteScene> textes;
    // Each individual shown and its number in the lessons' numbering, "II-3", counted from the
    // picture's left, whether the numbers are drawn or not.
    std::vector<std::pair<int, std::string>> numeros;
};

} // namespace orvan
