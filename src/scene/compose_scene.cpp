#include "scene/compose_scene.h"

#include "scene/disposition.h"
#include "scene/police_scene.h"
#include "ui/numerotation.h"

#include <algorithm>
#include <cmath>

namespace orvan {

namespace {

constexpr double marge = 16;
constexpr double cote_symbole = 36;
constexpr double hauteur_bande = 10;
constexpr double ecart_texte = 3;
constexpr double marge_colonne = 12;
// Between a row's lowest text and the sibship line, and between that line and the next row.
constexpr double ecart_rangees = 16;
constexpr double interligne = 1.2;
constexpr double taille_etiquette = 13;
constexpr double taille_petite = 11;
constexpr double taille_titre = 18;
constexpr double taille_generation = 14;
constexpr double ecart_generations = 12;
constexpr double ecart_legende = 24;
constexpr double hauteur_rangee_legende = 22;
constexpr double ecart_entrees = 18;
constexpr double cote_echantillon = 20;
constexpr double largeur_fond = 26, hauteur_fond = 16;
constexpr double cote_point = 8;
constexpr double largeur_texte_max = 100;
// Between two levels of the lines that run over a row to a partner's later spouses.
constexpr double ecart_detours = 4;
constexpr Couleur blanc = rgb(255, 255, 255);

struct Ligne {
    std::string texte;
    double taille = taille_petite;
    bool gras = false;
    RoleTexte role = RoleTexte::autre;
};

double hauteur_ligne(double taille) {
    return taille * interligne;
}

TexteScene texte_en(const Ligne& l, double x, double haut, Ancre ancre, int individu) {
    const double largeur = largeur_texte(l.texte, l.taille);
    const double gauche = ancre == Ancre::debut ? x
                          : ancre == Ancre::fin ? x - largeur
                                                : x - largeur / 2;
    return {l.texte,
            x,
            haut + montant(l.taille),
            l.taille,
            l.gras,
            ancre,
            Boite{gauche, haut, largeur, montant(l.taille) + descendant(l.taille)},
            individu,
            l.role};
}

// The individuals laid out, numbered from the left in each row.
std::vector<NumeroIndividu> numeros_par_rangee(const Disposition& disp) {
    std::vector<NumeroIndividu> numeros;
    for (int k = 1; k <= max_individus; ++k)
        if (const int g = disp.colonnes[static_cast<std::size_t>(k)].generation; g != 0)
            numeros.push_back({k, g, 0});
    std::sort(numeros.begin(), numeros.end(), [&disp](const auto& a, const auto& b) {
        return a.generation != b.generation
                   ? a.generation < b.generation
                   : disp.colonnes[static_cast<std::size_t>(a.k)].gauche <
                         disp.colonnes[static_cast<std::size_t>(b.k)].gauche;
    });
    for (std::size_t i = 0; i < numeros.size(); ++i)
        numeros[i].rang = i > 0 && numeros[i - 1].generation == numeros[i].generation
                              ? numeros[i - 1].rang + 1
                              : 1;
    return numeros;
}

// The top of each row from y down, one past the last; y ends below the last row.
std::vector<double> hauts_des_rangees(const Disposition& disp, const std::vector<double>& hauteurs,
                                      double& y) {
    std::vector<double> hauts(static_cast<std::size_t>(disp.rangees) + 2, 0);
    for (int g = 1; g <= disp.rangees + 1; ++g) {
        // Room over the row for the lines to the later spouses.
        if (g <= disp.rangees) y += ecart_detours * disp.detours[static_cast<std::size_t>(g)];
        hauts[static_cast<std::size_t>(g)] = y;
        if (g <= disp.rangees) y += hauteurs[static_cast<std::size_t>(g)] + 2 * ecart_rangees;
    }
    return hauts;
}

// A gene's long name keeps its figure on a line of its own, so that a column stays narrow:
// "Facteur rhésus rh+ rh- :" over "1/65 (2 %)".
std::vector<std::string> coupe_apres_les_deux_points(const std::string& ligne) {
    const std::size_t deux_points = ligne.rfind(':');
    if (largeur_texte(ligne, taille_petite) <= largeur_texte_max ||
        deux_points == std::string::npos || deux_points + 2 >= ligne.size())
        return {ligne};
    return {ligne.substr(0, deux_points + 1), ligne.substr(deux_points + 2)};
}

class Compositeur {
  public:
    explicit Compositeur(const DonneesScene& d) : d_(d), f_(*d.famille) {}
    Scene compose();

  private:
    // The texts under individual k's symbol but its number, which the layout gives.
    std::vector<Ligne> lignes_de(int k) const {
        std::vector<Ligne> l;
        const std::string& affiche = f_.individu(k).phenotype_affiche;
        if (!affiche.empty()) l.push_back({affiche, taille_etiquette, false, RoleTexte::phenotype});
        for (const std::string& p : d_.probabilites[static_cast<std::size_t>(k)])
            for (std::string& morceau : coupe_apres_les_deux_points(p))
                l.push_back({std::move(morceau), taille_petite, false, RoleTexte::probabilite});
        return l;
    }
    int entree_fond(int k) const {
        const int e = entree_du_fond(f_.individu(k).phenotype_affiche, d_.noms_legende);
        return e > d_.nb_entrees_gene1 ? e : 0;
    }
    double hauteur_colonne(int k, const std::vector<Ligne>& lignes) const;
    Couleur couleur(int entree) const {
        const auto i = static_cast<std::size_t>(entree - 1);
        return entree >= 1 && i < d_.couleurs_legende.size() ? d_.couleurs_legende[i] : blanc;
    }
    Motif motif(int entree) const { return d_.motifs ? motif_de_l_entree(entree) : Motif::aucun; }
    int union_de_l_enfant(int k) const {
        for (int u = max_unions; u >= 0; --u)
            if (f_.union_numero(u).a_pour_enfant(k)) return u;
        return -1;
    }
    void place_individu(int k, double gauche, double haut, const std::vector<Ligne>& lignes,
                        const std::string& numero);
    void place_lignes(const Disposition& disp, double ox, const std::vector<double>& hauts);
    void place_fratrie_pliee(const CoupleScene& c, double x, double y);
    double largeur_legende() const;
    void place_legende(double gauche, double haut);
    double place_legende_sous(double largeur, double y);
    void place_generations(const Disposition& disp, double ox, const std::vector<double>& hauts);

    const DonneesScene& d_;
    const Famille& f_;
    Scene s_;
};

double Compositeur::hauteur_colonne(int k, const std::vector<Ligne>& lignes) const {
    double h = cote_symbole + ecart_texte;
    if (entree_fond(k)) h += hauteur_bande + ecart_texte;
    if (d_.numerotation) h += hauteur_ligne(taille_petite);
    for (const Ligne& l : lignes)
        h += hauteur_ligne(l.taille);
    return h;
}

void Compositeur::place_individu(int k, double centre, double haut,
                                 const std::vector<Ligne>& lignes, const std::string& numero) {
    const Individu& i = f_.individu(k);
    const Boite symbole{centre - cote_symbole / 2, haut, cote_symbole, cote_symbole};
    const int entree = entree_du_symbole(i.phenotype_affiche, d_.noms_legende);
    s_.symboles.push_back({k, i.sexe, symbole, couleur(entree), motif(entree)});
    if (d_.porteur_certain[static_cast<std::size_t>(k)])
        s_.points.push_back({k,
                             {centre - cote_point / 2, haut + (cote_symbole - cote_point) / 2,
                              cote_point, cote_point},
                             rgb(0, 0, 0),
                             Motif::aucun,
                             true});
    double y = symbole.bas() + ecart_texte;
    if (const int fond = entree_fond(k)) {
        s_.paves.push_back(
            {k, {symbole.x, y, cote_symbole, hauteur_bande}, couleur(fond), motif(fond), false});
        y += hauteur_bande + ecart_texte;
    }
    std::vector<Ligne> toutes = lignes;
    if (!numero.empty())
        toutes.insert(toutes.begin(), Ligne{numero, taille_petite, true, RoleTexte::numero});
    for (const Ligne& l : toutes) {
        s_.textes.push_back(texte_en(l, centre, y, Ancre::milieu, k));
        y += hauteur_ligne(l.taille);
    }
}

// A couple's line between its partners' symbols (or over the row, for a child's later
// spouses); from it a line down to the sibship's line, and from that one down to each child.
void Compositeur::place_lignes(const Disposition& disp, double ox,
                               const std::vector<double>& hauts) {
    const auto& cols = disp.colonnes;
    for (const CoupleScene& c : disp.couples) {
        const Colonne& g = cols[static_cast<std::size_t>(c.gauche)];
        const Colonne& d = cols[static_cast<std::size_t>(c.droite)];
        const double haut = hauts[static_cast<std::size_t>(g.generation)];
        double y = haut + cote_symbole / 2;
        if (c.detour == 0) {
            s_.traits.push_back(
                {ox + g.centre() + cote_symbole / 2, y, ox + d.centre() - cote_symbole / 2, y});
        } else {
            const int detours = disp.detours[static_cast<std::size_t>(g.generation)];
            const double pas = std::min(ecart_detours, (cote_symbole / 2 - 4) / detours);
            const double x = ox + g.centre() + cote_symbole / 2 - 2 - c.depart * pas;
            y = haut - ecart_detours * c.detour;
            s_.traits.push_back({x, haut, x, y});
            s_.traits.push_back({x, y, ox + d.centre(), y});
            s_.traits.push_back({ox + d.centre(), y, ox + d.centre(), haut});
        }
        if (c.enfants.empty()) {
            place_fratrie_pliee(c, ox + c.descente, y);
            continue;
        }
        const double haut_enfants = hauts[static_cast<std::size_t>(g.generation) + 1];
        const double y_fratrie =
            haut_enfants - ecart_rangees -
            ecart_detours * disp.detours[static_cast<std::size_t>(g.generation) + 1];
        const double x = ox + c.descente;
        const int u = union_de_l_enfant(c.enfants.front());
        s_.traits.push_back({x, y, x, y_fratrie, RoleTrait::descente, u});
        double debut = x, fin = x;
        for (int k : c.enfants) {
            const double xe = ox + cols[static_cast<std::size_t>(k)].centre();
            s_.traits.push_back({xe, y_fratrie, xe, haut_enfants});
            debut = std::min(debut, xe);
            fin = std::max(fin, xe);
        }
        s_.traits.push_back({debut, y_fratrie, fin, y_fratrie, RoleTrait::fratrie, u});
    }
}

// A folded sibship keeps the top of the line down to it, between the partners' columns, where a
// click unfolds it.
void Compositeur::place_fratrie_pliee(const CoupleScene& c, double x, double y) {
    for (int u = max_unions; u >= 0; --u) {
        const Union& v = f_.union_numero(u);
        if (v.nb_enfants > 0 && v.a_pour_partenaire(c.gauche) && v.a_pour_partenaire(c.droite)) {
            s_.traits.push_back({x, y, x, y + cote_symbole, RoleTrait::descente, u});
            return;
        }
    }
}

double Compositeur::largeur_legende() const {
    std::array<double, 2> largeurs{};
    for (std::size_t i = 0; i < d_.noms_legende.size(); ++i) {
        const bool gene1 = static_cast<int>(i) < d_.nb_entrees_gene1;
        double& l = largeurs[gene1 ? 0 : 1];
        if (l > 0) l += ecart_entrees;
        l += (gene1 ? cote_echantillon : largeur_fond) + ecart_texte * 2 +
             largeur_texte("[" + d_.noms_legende[i] + "]", taille_etiquette);
    }
    return std::max(largeurs[0], largeurs[1]);
}

void Compositeur::place_legende(double gauche, double haut) {
    double x = gauche;
    for (std::size_t i = 0; i < d_.noms_legende.size(); ++i) {
        const int entree = static_cast<int>(i) + 1;
        const bool gene1 = entree <= d_.nb_entrees_gene1;
        if (entree == d_.nb_entrees_gene1 + 1 && i > 0) {
            x = gauche;
            haut += hauteur_rangee_legende + ecart_texte * 2;
        }
        const double l = gene1 ? cote_echantillon : largeur_fond;
        const double h = gene1 ? cote_echantillon : hauteur_fond;
        s_.paves.push_back({0,
                            {x, haut + (hauteur_rangee_legende - h) / 2, l, h},
                            couleur(entree),
                            motif(entree),
                            false});
        x += l + ecart_texte * 2;
        const Ligne ligne{"[" + d_.noms_legende[i] + "]", taille_etiquette};
        const double y = haut + (hauteur_rangee_legende - hauteur_ligne(taille_etiquette)) / 2;
        s_.textes.push_back(texte_en(ligne, x, y, Ancre::debut, 0));
        x = s_.textes.back().boite.droite() + ecart_entrees;
    }
}

Scene Compositeur::compose() {
    s_.police = police_scene;
    s_.titre = d_.titre;
    std::array<std::vector<Ligne>, max_individus + 1> lignes;
    std::array<double, max_individus + 1> largeurs{};
    for (int k = 1; k <= max_individus; ++k) {
        const auto i = static_cast<std::size_t>(k);
        lignes[i] = lignes_de(k);
        double l = cote_symbole;
        for (const Ligne& ligne : lignes[i])
            l = std::max(l, largeur_texte(ligne.texte, ligne.taille) + 2);
        largeurs[i] = l + 2 * marge_colonne;
    }
    const Disposition disp = dispose(f_, largeurs, d_.decalages_fratries);

    // Per row, its tallest column.
    std::vector<double> hauteurs(static_cast<std::size_t>(disp.rangees) + 1, 0);
    for (int k = 1; k <= max_individus; ++k) {
        const Colonne& c = disp.colonnes[static_cast<std::size_t>(k)];
        if (c.generation == 0) continue;
        double& h = hauteurs[static_cast<std::size_t>(c.generation)];
        h = std::max(h, hauteur_colonne(k, lignes[static_cast<std::size_t>(k)]));
    }
    const std::vector<NumeroIndividu> numeros = numeros_par_rangee(disp);
    const Ligne titre{d_.titre, taille_titre, true}, sous_titre{d_.sous_titre, taille_etiquette};
    double colonne_generations = 0;
    if (d_.numerotation)
        for (int g = 1; g <= disp.rangees; ++g)
            colonne_generations =
                std::max(colonne_generations, largeur_texte(chiffre_romain(g), taille_generation) +
                                                  2 * ecart_generations);
    const double largeur = std::max({colonne_generations + disp.largeur, largeur_legende(),
                                     largeur_texte(titre.texte, titre.taille),
                                     largeur_texte(sous_titre.texte, sous_titre.taille)});
    s_.largeur = std::ceil(largeur + 2 * marge);
    double y = marge;
    for (const Ligne* l : {&titre, &sous_titre})
        if (!l->texte.empty()) {
            s_.textes.push_back(texte_en(*l, s_.largeur / 2, y, Ancre::milieu, 0));
            y += hauteur_ligne(l->taille);
        }
    y += ecart_rangees;
    const std::vector<double> hauts = hauts_des_rangees(disp, hauteurs, y);
    const double ox =
        marge + colonne_generations + (largeur - colonne_generations - disp.largeur) / 2;
    for (const NumeroIndividu& n : numeros) {
        s_.numeros.emplace_back(n.k, numero_texte(n));
        const Colonne& c = disp.colonnes[static_cast<std::size_t>(n.k)];
        place_individu(n.k, ox + c.centre(), hauts[static_cast<std::size_t>(c.generation)],
                       lignes[static_cast<std::size_t>(n.k)],
                       d_.numerotation ? numero_texte(n) : std::string());
    }
    if (d_.numerotation) place_generations(disp, ox, hauts);
    place_lignes(disp, ox, hauts);
    if (!d_.noms_legende.empty()) y = place_legende_sous(largeur, y);
    s_.hauteur = std::ceil(y + marge);
    return s_;
}

// The generations' numbers (I, II...) in their column, each level with its row's symbols.
void Compositeur::place_generations(const Disposition& disp, double ox,
                                    const std::vector<double>& hauts) {
    for (int g = 1; g <= disp.rangees; ++g) {
        const Ligne l{chiffre_romain(g), taille_generation, true};
        const double haut =
            hauts[static_cast<std::size_t>(g)] + cote_symbole / 2 - hauteur_ligne(l.taille) / 2;
        s_.textes.push_back(texte_en(l, ox - ecart_generations, haut, Ancre::fin, 0));
    }
}

// The legend centred under the family, from y; the height it reaches.
double Compositeur::place_legende_sous(double largeur, double y) {
    y += ecart_legende - 2 * ecart_rangees + ecart_rangees;
    place_legende(marge + (largeur - largeur_legende()) / 2, y);
    const bool deux_rangees =
        static_cast<int>(d_.noms_legende.size()) > d_.nb_entrees_gene1 && d_.nb_entrees_gene1 > 0;
    return y + hauteur_rangee_legende * (deux_rangees ? 2 : 1) +
           (deux_rangees ? ecart_texte * 2 : 0);
}

} // namespace

Boite TraitScene::boite() const {
    const double e = epaisseur_trait / 2;
    return {std::min(x1, x2) - e, std::min(y1, y2) - e, std::abs(x2 - x1) + 2 * e,
            std::abs(y2 - y1) + 2 * e};
}

Scene compose_scene(const DonneesScene& donnees) {
    return Compositeur(donnees).compose();
}

} // namespace orvan
