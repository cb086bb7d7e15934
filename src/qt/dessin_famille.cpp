#include "qt/dessin_famille.h"

#include "app/fenetre_principale.h"
#include "ground/position.h"
#include "panneaux/panneaux_mobiles.h"
#include "qt/conversions_qt.h"
#include "qt/disposition_etiquette.h"
#include "ui/numerotation.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <unordered_set>

namespace orvan {

namespace {

// The numbers' fonts: an individual's as small as a label's, a generation's as large as the
// title's words.
constexpr Police police_numero{8, false};
constexpr Police police_generation{10, true};
// The generations' numbers stand in one column, this far left of the leftmost individual.
constexpr int ecart_generations = 14;

QRect zone_du_texte(const QString& texte, const QFont& police, int gauche, int haut) {
    const QFontMetrics fm(police);
    return {gauche, haut, fm.horizontalAdvance(texte) + 1, fm.height()};
}

std::vector<PlaceIndividu> individus_affiches(const FenetrePrincipale& f) {
    std::vector<PlaceIndividu> places;
    for (int k = 1; k <= max_individus; ++k) {
        const Forme& s = *f.arbre.tab_shape[k];
        if (s.affiche()) places.push_back({k, s.left, s.top});
    }
    return places;
}

} // namespace

StyleDessin style_de_la_fenetre(const FenetrePrincipale& f) {
    StyleDessin style{QString(), f.menus.motifs->checked, f.menus.numerotation->checked, {}};
    if (f.probabilites.montrees) style.probabilites = f.probabilites.a_priori;
    return style;
}

StyleDessin style_sans_affichage(bool motifs, bool numerotation,
                                 std::optional<APriori> probabilites) {
    return {QStringLiteral("DejaVu Sans"), motifs, numerotation, probabilites};
}

QFont police_du_dessin(const Police& police, const StyleDessin& style) {
    QFont q = police_qt(police);
    if (!style.police.isEmpty()) q.setFamilies({style.police});
    return q;
}

Motif motif_du_controle(const FenetrePrincipale& f, const Controle& c, bool motifs) {
    if (!motifs) return Motif::aucun;
    const Arbre& a = f.arbre;
    for (int k = 1; k <= max_individus; ++k) {
        const std::string& affiche = f.famille.individu(k).phenotype_affiche;
        if (&c == a.tab_shape[k])
            return motif_de_l_entree(entree_du_symbole(affiche, f.couleurs.noms_de_la_legende()));
        if (&c == a.tab_label[k])
            return motif_de_l_entree(entree_du_fond(affiche, f.couleurs.noms_de_la_legende()));
    }
    const int total = std::min(f.genes.modele.nb_phenotypes_total, max_legende);
    for (int i = 1; i <= total; ++i)
        if (&c == f.couleurs.figure_legende[i]) return motif_de_l_entree(i);
    return Motif::aucun;
}

std::vector<const Controle*> controles_de_la_famille(const FenetrePrincipale& f) {
    const Arbre& a = f.arbre;
    std::unordered_set<const Controle*> famille = {f.coquille.titre, f.coquille.nom_fichier_lu};
    for (int u = 0; u <= max_unions; ++u)
        famille.insert({a.tab_couple[u], a.tab_union[u], a.tab_vertic[u]});
    for (int k = 1; k <= max_individus; ++k)
        famille.insert({a.tab_trait[k], a.tab_shape[k], a.tab_label[k],
                        f.probabilites.textes[static_cast<std::size_t>(k)],
                        f.probabilites.points[static_cast<std::size_t>(k)]});
    std::vector<const Controle*> affiches;
    for (const auto& c : f.composants())
        if (famille.count(c.get()) && c->affiche()) affiches.push_back(c.get());
    return affiches;
}

namespace {

void dessine_etiquette_de(QPainter& p, const FenetrePrincipale& f, const Label& l,
                          const StyleDessin& style) {
    AspectEtiquette a = aspect_etiquette(l, motif_du_controle(f, l, style.motifs));
    a.dessous = couleur_dessous(l, f.fond);
    DispositionEtiquette d = dispose_etiquette(l, a.texte, police_du_dessin(l.police, style));
    a.texte = std::move(d.texte);
    p.save();
    p.translate(d.zone.topLeft());
    dessine_etiquette(p, QRect(QPoint(0, 0), d.zone.size()), a, d.police);
    p.restore();
}

} // namespace

void dessine_controle(QPainter& p, const FenetrePrincipale& f, const Controle& c,
                      const StyleDessin& style) {
    if (const auto* l = dynamic_cast<const Label*>(&c))
        return dessine_etiquette_de(p, f, *l, style);
    const QRect zone(0, 0, std::max(0, c.width), std::max(0, c.height));
    p.save();
    p.translate(c.left, c.top);
    if (const auto* s = dynamic_cast<const Forme*>(&c))
        dessine_symbole(p, zone, aspect_symbole(*s, motif_du_controle(f, c, style.motifs)));
    else if (const auto* pa = dynamic_cast<const Panel*>(&c))
        dessine_ligne(p, zone, aspect_ligne(*pa), police_du_dessin(pa->police, style));
    p.restore();
}

std::vector<TexteNumero> textes_de_numerotation(const FenetrePrincipale& f,
                                                const StyleDessin& style) {
    std::vector<TexteNumero> textes;
    if (!style.numerotation) return textes;
    const Pedigree& ped = f.arbre.ped;
    const auto places = individus_affiches(f);
    const auto numeros = numerote(places, {ped.haut_gen1, ped.haut_gen2, ped.haut_gen3});
    const QFont petite = police_du_dessin(police_numero, style);
    std::array<bool, 3> generation_presente{};
    int plus_a_gauche = limite_position;
    for (std::size_t i = 0; i < numeros.size(); ++i) {
        const Forme& s = *f.arbre.tab_shape[places[i].k];
        const QString texte = texte_qt(numero_texte(numeros[i]));
        QRect zone = zone_du_texte(texte, petite, 0, s.bottom() + 2);
        zone.moveLeft(s.left + s.width / 2 - zone.width() / 2);
        textes.push_back({texte, zone, petite});
        generation_presente[static_cast<std::size_t>(numeros[i].generation - 1)] = true;
        plus_a_gauche = std::min(plus_a_gauche, s.left);
    }
    const QFont grande = police_du_dessin(police_generation, style);
    const std::array<int, 3> rangees = {ped.haut_gen1, ped.haut_gen2, ped.haut_gen3};
    const int demi_symbole = f.arbre.tab_shape[1]->height / 2;
    for (int g = 1; g <= 3; ++g) {
        if (!generation_presente[static_cast<std::size_t>(g - 1)]) continue;
        const QString texte = texte_qt(chiffre_romain(g));
        QRect zone = zone_du_texte(texte, grande, 0, 0);
        // Level with the middle of the row's symbols.
        zone.moveRight(plus_a_gauche - ecart_generations);
        zone.moveTop(rangees[static_cast<std::size_t>(g - 1)] + demi_symbole - zone.height() / 2);
        textes.push_back({texte, zone, grande});
    }
    return textes;
}

void dessine_numeros(QPainter& p, const std::vector<TexteNumero>& numeros) {
    p.save();
    p.setPen(Qt::black);
    for (const TexteNumero& n : numeros) {
        p.setFont(n.police);
        p.drawText(n.zone, Qt::AlignLeft | Qt::AlignTop, n.texte);
    }
    p.restore();
}

void dessine_famille(QPainter& p, const FenetrePrincipale& f, const StyleDessin& style) {
    dessine_numeros(p, textes_de_numerotation(f, style));
    for (const Controle* c : controles_de_la_famille(f))
        dessine_controle(p, f, *c, style);
}

} // namespace orvan
