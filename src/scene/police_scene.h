// The scene's one face, measured without asking any platform: the advance widths of a sans
// serif whose metrics the usual faces share (Liberation Sans, Arimo and their peers), so that
// the core lays out the same picture on every machine and a reader of the SVG finds the texts
// where the core put them.
#pragma once

#include <string>

namespace orvan {

inline constexpr const char* police_scene = "Liberation Sans, Arimo, Arial, Helvetica, sans-serif";

// In units, for a font of `taille` units; UTF-8 text.
double largeur_texte(const std::string& texte, double taille);
// Above and below the baseline.
constexpr double montant(double taille) {
    return 0.905 * taille;
}
constexpr double descendant(double taille) {
    return 0.212 * taille;
}

} // namespace orvan
