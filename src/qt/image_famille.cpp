#include "qt/image_famille.h"

#include "app/fenetre_principale.h"
#include "qt/conversions_qt.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace orvan {

namespace {

constexpr Police police_legende{9, false};
constexpr int ecart_legende = 20;  // between the family and its legend
constexpr int hauteur_rangee = 22; // one row of the legend per gene
constexpr int ecart_rangees = 6;
constexpr int ecart_entrees = 18;
constexpr int ecart_texte = 5;
constexpr QSize echantillon_symbole(20, 20);
constexpr QSize echantillon_fond(26, 16);

struct EntreeLegende {
    int i = 0; // legend entry, 1..
    int gene = 1;
    QString texte;
};

// The legend's entries in use: the gene-1 phenotypes, then those of gene 2.
std::vector<EntreeLegende> entrees(const FenetrePrincipale& f) {
    std::vector<EntreeLegende> e;
    const auto& m = f.genes.modele;
    const int total = std::min(m.nb_phenotypes_total, max_legende);
    for (int i = 1; i <= total; ++i)
        e.push_back(
            {i, i <= m.nb_phenotypes[1] ? 1 : 2,
             QLatin1Char('[') + texte_qt(f.couleurs.nom_legende[i]->caption) + QLatin1Char(']')});
    return e;
}

QSize echantillon(int gene) {
    return gene == 1 ? echantillon_symbole : echantillon_fond;
}

} // namespace

ImageFamille::ImageFamille(const FenetrePrincipale& f, StyleDessin style)
    : f_(f), style_(std::move(style)), famille_(etendue_de_la_famille(f, style_)) {
    const int largeur_max = plus_grande_largeur - 2 * marge;
    if (famille_.width() > largeur_max) {
        const int centre = (f.arbre.tab_shape[1]->left + f.arbre.tab_shape[2]->right()) / 2;
        const int gauche = std::clamp(centre - largeur_max / 2, famille_.left(),
                                      famille_.right() + 1 - largeur_max);
        famille_ = QRect(gauche, famille_.top(), largeur_max, famille_.height());
    }
    const QSize legende = taille_legende();
    const int largeur = std::max(famille_.width(), legende.width());
    int hauteur = famille_.height();
    if (!legende.isEmpty()) hauteur += (hauteur > 0 ? ecart_legende : 0) + legende.height();
    taille_ = QSize(std::max(1, largeur + 2 * marge), std::max(1, hauteur + 2 * marge));
}

QSize ImageFamille::taille_legende() const {
    const QFontMetrics fm(police_du_dessin(police_legende, style_));
    std::array<int, 3> largeurs{};
    for (const EntreeLegende& e : entrees(f_)) {
        int& l = largeurs[static_cast<std::size_t>(e.gene)];
        if (l > 0) l += ecart_entrees;
        l += echantillon(e.gene).width() + ecart_texte + fm.horizontalAdvance(e.texte);
    }
    const int rangees = (largeurs[1] > 0) + (largeurs[2] > 0);
    if (rangees == 0) return {};
    return {std::max(largeurs[1], largeurs[2]),
            rangees * hauteur_rangee + (rangees - 1) * ecart_rangees};
}

void ImageFamille::dessine(QPainter& p, int partie) const {
    p.save();
    if (partie <= sans_les_individus) p.fillRect(QRect(QPoint(0, 0), taille_), Qt::white);
    const int largeur = taille_.width() - 2 * marge;
    p.save();
    p.translate(marge + (largeur - famille_.width()) / 2 - famille_.left(), marge - famille_.top());
    p.setClipRect(famille_);
    dessine_famille(p, f_, style_, partie);
    p.restore();
    const QSize legende = taille_legende();
    if (!legende.isEmpty() && partie <= sans_les_individus)
        dessine_legende(p, QPoint(marge + (largeur - legende.width()) / 2,
                                  taille_.height() - marge - legende.height()));
    p.restore();
}

void ImageFamille::dessine_legende(QPainter& p, QPoint origine) const {
    const QFont police = police_du_dessin(police_legende, style_);
    const QFontMetrics fm(police);
    QPoint position = origine;
    int gene = 1;
    for (const EntreeLegende& e : entrees(f_)) {
        if (e.gene != gene) {
            gene = e.gene;
            position = QPoint(origine.x(), position.y() + hauteur_rangee + ecart_rangees);
        }
        const Couleur couleur = f_.couleurs.figure_legende[e.i]->remplissage;
        const Motif motif = style_.motifs ? motif_de_l_entree(e.i) : Motif::aucun;
        const QSize taille = echantillon(e.gene);
        const QRect zone(0, 0, taille.width(), taille.height());
        p.save();
        p.translate(position.x(), position.y() + (hauteur_rangee - taille.height()) / 2);
        // A gene-1 phenotype fills the symbols, a gene-2 phenotype the labels' background.
        if (e.gene == 1) {
            dessine_symbole(p, zone, {Contour::carre, couleur, motif});
        } else {
            AspectEtiquette fond{QString(), false, couleur, rgb(0, 0, 0), false, true, true, motif};
            dessine_etiquette(p, zone, fond, police);
            p.setPen(Qt::black);
            p.drawRect(zone.adjusted(0, 0, -1, -1));
        }
        p.restore();
        const int x = position.x() + taille.width() + ecart_texte;
        p.setFont(police);
        p.setPen(Qt::black);
        p.drawText(QRect(x, position.y(), fm.horizontalAdvance(e.texte) + 1, hauteur_rangee),
                   Qt::AlignLeft | Qt::AlignVCenter, e.texte);
        position.setX(x + fm.horizontalAdvance(e.texte) + ecart_entrees);
    }
}

} // namespace orvan
