// The family area of the main window on any painter: the pedigree's lines, symbols and labels,
// the title and the file name, with the patterns and the numbers of the options "Motifs" and
// "Numérotation". It paints each control with the very function its widget paints with.
#pragma once

#include "probabilites/a_priori.h"
#include "qt/dessin_controles.h"

#include <QFont>
#include <QRect>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

namespace orvan {

class FenetrePrincipale;

struct StyleDessin {
    QString police; // the face of every text; empty: the window's own faces
    bool motifs = false;
    bool numerotation = false;
    std::optional<APriori> probabilites; // the carrier probabilities, under this prior
};

// As the window draws: its faces, its ticked options.
StyleDessin style_de_la_fenetre(const FenetrePrincipale& f);
// Without a display: one face named outright, so that a picture comes out the same on every
// machine that has it.
StyleDessin style_sans_affichage(bool motifs, bool numerotation,
                                 std::optional<APriori> probabilites = std::nullopt);
QFont police_du_dessin(const Police& police, const StyleDessin& style);

// The pattern a control shows: a pedigree symbol that of its gene-1 phenotype, a label that
// of its gene-2 phenotype behind its text, a sample of the colour panel that of its entry.
Motif motif_du_controle(const FenetrePrincipale& f, const Controle& c, bool motifs);

// The family area's controls that are shown, in the order in which they stack.
std::vector<const Controle*> controles_de_la_famille(const FenetrePrincipale& f);
void dessine_controle(QPainter& p, const FenetrePrincipale& f, const Controle& c,
                      const StyleDessin& style);

// A number of the option "Numérotation": a generation's at the left of its row, an
// individual's under its symbol.
struct TexteNumero {
    QString texte;
    QRect zone;
    QFont police;
    bool operator==(const TexteNumero& autre) const {
        return texte == autre.texte && zone == autre.zone;
    }
};
std::vector<TexteNumero> textes_de_numerotation(const FenetrePrincipale& f,
                                                const StyleDessin& style);
void dessine_numeros(QPainter& p, const std::vector<TexteNumero>& numeros);

// The family in the window's coordinates, over whatever the painter already holds: the numbers
// first, under the controls, as on the window's surface.
void dessine_famille(QPainter& p, const FenetrePrincipale& f, const StyleDessin& style);

} // namespace orvan
