// How the symbols, labels and lines of the family paint themselves. The window's widgets and
// the exported pictures paint through these same functions, so that both show one family.
#pragma once

#include "ui/controles.h"
#include "ui/motifs.h"

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;
class QPolygonF;
class QRect;

namespace orvan {

// What a control shows, taken from its values in the core and from the main window's options.
struct AspectSymbole {
    Contour contour = Contour::carre;
    Couleur remplissage = rgb(255, 255, 255);
    Motif motif = Motif::aucun;
    bool mis_en_evidence = false;
    bool operator==(const AspectSymbole&) const = default;
};

struct AspectEtiquette {
    QString texte;
    bool transparent = true;
    Couleur fond = rgb(255, 255, 255);
    Couleur couleur_texte = rgb(0, 0, 0);
    bool centre = false;
    bool autosize = true;
    bool actif = true;
    Motif motif = Motif::aucun; // behind the text, over the background
    // What a transparent label stands on: its greyed text keeps its contrast against it.
    Couleur dessous = rgb(240, 240, 240);
    bool operator==(const AspectEtiquette&) const = default;
};

struct AspectLigne {
    Couleur fond = rgb(0, 0, 0);
    QString texte;
    bool operator==(const AspectLigne&) const = default;
};

AspectSymbole aspect_symbole(const Forme& f, Motif motif);
AspectEtiquette aspect_etiquette(const Label& l, Motif motif);
// The same with its caption already converted.
AspectEtiquette aspect_etiquette(const Label& l, Motif motif, QString texte);
AspectLigne aspect_ligne(const Panel& p);
// The colour that a control stands on: the panel or box that holds it, else the window's.
Couleur couleur_dessous(const Controle& c, Couleur fond_fenetre);

// Each paints one control in its own coordinates: zone is (0, 0, width, height).
void dessine_symbole(QPainter& p, const QRect& zone, const AspectSymbole& a);
void dessine_etiquette(QPainter& p, const QRect& zone, const AspectEtiquette& a,
                       const QFont& police);
void dessine_ligne(QPainter& p, const QRect& zone, const AspectLigne& a, const QFont& police);

// A pattern inside a convex outline, in lines and dots only, so that vector pictures keep it
// as it is drawn on screen.
void dessine_motif(QPainter& p, const QPolygonF& contour, Motif motif, const QColor& encre);

// The ink of a pattern over a fill: black or white, whichever shows; lighter behind a text.
QColor encre_du_motif(Couleur fond, bool sous_un_texte);

} // namespace orvan
