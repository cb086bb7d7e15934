#include "scene/svg_scene.h"

#include <cstdio>
#include <map>

namespace orvan {

namespace {

std::string nombre(double v) {
    char tampon[32];
    std::snprintf(tampon, sizeof tampon, "%.2f", v);
    std::string s = tampon;
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

std::string couleur(Couleur c) {
    char tampon[8];
    std::snprintf(tampon, sizeof tampon, "#%02x%02x%02x", c & 0xFF, (c >> 8) & 0xFF,
                  (c >> 16) & 0xFF);
    return tampon;
}

std::string echappe(const std::string& texte) {
    std::string r;
    for (char c : texte) {
        switch (c) {
        case '&':
            r += "&amp;";
            break;
        case '<':
            r += "&lt;";
            break;
        case '>':
            r += "&gt;";
            break;
        case '"':
            r += "&quot;";
            break;
        default:
            r += c;
        }
    }
    return r;
}

std::string attribut(const char* nom, double v) {
    return std::string(" ") + nom + "=\"" + nombre(v) + "\"";
}

const char* nom_du_motif(Motif m) {
    switch (m) {
    case Motif::obliques:
        return "obliques";
    case Motif::contre_obliques:
        return "contre_obliques";
    case Motif::horizontales:
        return "horizontales";
    case Motif::verticales:
        return "verticales";
    case Motif::croisillons:
        return "croisillons";
    case Motif::quadrillage:
        return "quadrillage";
    case Motif::points:
        return "points";
    case Motif::anneau:
        return "anneau";
    case Motif::moitie:
        return "moitie";
    case Motif::tirets:
        return "tirets";
    case Motif::aucun:
        break;
    }
    return "";
}

// A pattern's ink stands out on the fill it covers: white hatching on a dark blue.
std::string encre(Couleur fond) {
    return couleur(noir_ou_blanc(fond));
}

std::string id_motif(Motif m, Couleur fond) {
    return std::string("motif_") + nom_du_motif(m) +
           (noir_ou_blanc(fond) == rgb(0, 0, 0) ? "" : "_blanc");
}

// One tile of 8 units, or for the half the right half of the shape it fills.
std::string tuile(Motif m, const std::string& encre) {
    const std::string trait = " fill=\"none\" stroke=\"" + encre + "\" stroke-width=\"1\"/>";
    switch (m) {
    case Motif::obliques:
        return "<path d=\"M0,8 L8,0 M-2,2 L2,-2 M6,10 L10,6\"" + trait;
    case Motif::contre_obliques:
        return "<path d=\"M0,0 L8,8 M-2,6 L2,10 M6,-2 L10,2\"" + trait;
    case Motif::horizontales:
        return "<path d=\"M0,4 H8\"" + trait;
    case Motif::verticales:
        return "<path d=\"M4,0 V8\"" + trait;
    case Motif::croisillons:
        return "<path d=\"M0,8 L8,0 M0,0 L8,8\"" + trait;
    case Motif::quadrillage:
        return "<path d=\"M0,4 H8 M4,0 V8\"" + trait;
    case Motif::points:
        return "<circle cx=\"4\" cy=\"4\" r=\"1.3\" fill=\"#000000\"/>";
    case Motif::anneau:
        return "<circle cx=\"4\" cy=\"4\" r=\"2.5\"" + trait;
    case Motif::tirets:
        return "<path d=\"M0,2 H4 M4,6 H8\"" + trait;
    case Motif::moitie:
    case Motif::aucun:
        break;
    }
    return "";
}

std::string definitions(const Scene& s) {
    std::map<std::string, std::pair<Motif, Couleur>> motifs;
    for (const SymboleScene& x : s.symboles)
        if (x.motif != Motif::aucun)
            motifs[id_motif(x.motif, x.remplissage)] = {x.motif, x.remplissage};
    for (const PaveScene& p : s.paves)
        if (p.motif != Motif::aucun)
            motifs[id_motif(p.motif, p.remplissage)] = {p.motif, p.remplissage};
    if (motifs.empty()) return {};
    std::string r = "<defs>\n";
    for (const auto& [id, motif] : motifs) {
        const auto [m, fond] = motif;
        r += "<pattern id=\"" + id + "\"";
        if (m == Motif::moitie)
            r += " patternUnits=\"objectBoundingBox\" patternContentUnits=\"objectBoundingBox\" "
                 "width=\"1\" height=\"1\"><rect x=\"0.5\" y=\"0\" width=\"0.5\" height=\"1\" "
                 "fill=\"" +
                 encre(fond) + "\" fill-opacity=\"0.4\"/>";
        else
            r += " patternUnits=\"userSpaceOnUse\" width=\"8\" height=\"8\">" +
                 tuile(m, encre(fond));
        r += "</pattern>\n";
    }
    return r + "</defs>\n";
}

std::string forme(bool cercle, const Boite& b, const std::string& remplissage,
                  const std::string& contour) {
    if (cercle)
        return "<ellipse" + attribut("cx", b.x + b.largeur / 2) +
               attribut("cy", b.y + b.hauteur / 2) + attribut("rx", b.largeur / 2) +
               attribut("ry", b.hauteur / 2) + " fill=\"" + remplissage + "\"" + contour + "/>\n";
    return "<rect" + attribut("x", b.x) + attribut("y", b.y) + attribut("width", b.largeur) +
           attribut("height", b.hauteur) + " fill=\"" + remplissage + "\"" + contour + "/>\n";
}

const std::string contour_noir = " stroke=\"#000000\" stroke-width=\"1.5\"";

std::string rempli(bool cercle, const Boite& b, Couleur c, Motif m) {
    std::string r = forme(cercle, b, couleur(c), contour_noir);
    if (m != Motif::aucun) r += forme(cercle, b, "url(#" + id_motif(m, c) + ")", "");
    return r;
}

std::string texte(const TexteScene& t, const std::string& police) {
    const char* ancre = t.ancre == Ancre::debut ? "start"
                        : t.ancre == Ancre::fin ? "end"
                                                : "middle";
    return "<text" + attribut("x", t.x) + attribut("y", t.y) + attribut("font-size", t.taille) +
           " font-family=\"" + echappe(police) + "\" text-anchor=\"" + ancre + "\"" +
           (t.gras ? " font-weight=\"bold\"" : "") + " fill=\"#000000\">" + echappe(t.texte) +
           "</text>\n";
}

} // namespace

std::string svg_de_la_scene(const Scene& s, const DonneesScene& d) {
    const std::string l = nombre(s.largeur), h = nombre(s.hauteur);
    std::string r = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
                    l + "\" height=\"" + h + "\" viewBox=\"0 0 " + l + " " + h + "\">\n<title>" +
                    echappe(s.titre) + "</title>\n" + definitions(s) + "<rect width=\"" + l +
                    "\" height=\"" + h +
                    "\" fill=\"#ffffff\"/>\n<g id=\"lignes\" stroke=\"#000000\" "
                    "stroke-width=\"" +
                    nombre(epaisseur_trait) + "\">\n";
    for (const TraitScene& t : s.traits)
        r += "<line" + attribut("x1", t.x1) + attribut("y1", t.y1) + attribut("x2", t.x2) +
             attribut("y2", t.y2) + "/>\n";
    r += "</g>\n";
    for (const SymboleScene& x : s.symboles) {
        const auto k = static_cast<std::size_t>(x.individu);
        r += "<g id=\"individu" + std::to_string(x.individu) + "\">\n<title>" +
             echappe(d.noms[k].empty() ? std::to_string(x.individu) : d.noms[k]) + "</title>\n";
        if (!d.descriptions[k].empty()) r += "<desc>" + echappe(d.descriptions[k]) + "</desc>\n";
        r += rempli(x.sexe == Sexe::femme, x.boite, x.remplissage, x.motif);
        for (const PaveScene& p : s.paves)
            if (p.individu == x.individu) r += rempli(false, p.boite, p.remplissage, p.motif);
        for (const PaveScene& p : s.points)
            if (p.individu == x.individu)
                r += forme(true, p.boite, "#000000", " stroke=\"#ffffff\" stroke-width=\"1.5\"");
        for (const TexteScene& t : s.textes)
            if (t.individu == x.individu) r += texte(t, s.police);
        r += "</g>\n";
    }
    r += "<g id=\"legende\">\n";
    for (const PaveScene& p : s.paves)
        if (p.individu == 0) r += rempli(false, p.boite, p.remplissage, p.motif);
    r += "</g>\n";
    for (const TexteScene& t : s.textes)
        if (t.individu == 0) r += texte(t, s.police);
    return r + "</svg>\n";
}

} // namespace orvan
