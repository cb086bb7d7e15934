#include "qt/graphiques_statistiques.h"

#include "ground/messages.h"
#include "qt/conversions_qt.h"

#include <QPainter>
#include <QPixmap>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QWidget>

#include <algorithm>

namespace orvan {

Graphique graphique_comparaison(const Comparaison& c, const Texte& titre, const Traduction& t) {
    const auto texte = [&t](const Texte& x) { return texte_qt(t(x)); };
    Graphique g;
    g.titre = texte(titre);
    BarresGraphique observes{texte(msg::observe), {}}, attendus{texte(msg::attendu), {}};
    double max = 1;
    for (std::size_t i = 0; i < c.cases.size(); ++i) {
        observes.valeurs.push_back(c.observes[i]);
        attendus.valeurs.push_back(c.attendus[i]);
        g.categories << texte(c.cases[i]);
        max = std::max({max, c.observes[i], c.attendus[i]});
    }
    g.barres = {std::move(observes), std::move(attendus)};
    // Round steps: counts of children, not fractions of the tallest bar.
    g.y = {texte(msg::enfants), 0, max * 1.1, QStringLiteral("%g"), true};
    return g;
}

Graphique graphique_proportion(const std::vector<double>& proportions, const QString& phenotype,
                               std::optional<double> attendue, const Traduction& t) {
    const auto texte = [&t](const Texte& x) { return texte_qt(t(x)); };
    Graphique g;
    g.titre = texte(msg::proportion_titre.avec({Texte::tel_quel(texte_core(phenotype))}));
    CourbeGraphique courbe{CourbeGraphique::Genre::ligne, texte(msg::observee), {}};
    for (std::size_t i = 0; i < proportions.size(); ++i)
        courbe.points.emplace_back(static_cast<double>(i + 1), proportions[i]);
    g.courbes.push_back(std::move(courbe));
    const double n = std::max<double>(2, static_cast<double>(proportions.size()));
    g.x = {texte(msg::familles_axe), 1, n, QStringLiteral("%d"), false};
    g.y = {texte(msg::proportion), 0, 1, {}, false};
    if (attendue)
        g.courbes.push_back({CourbeGraphique::Genre::ligne,
                             texte(msg::attendue),
                             {{1, *attendue}, {n, *attendue}}});
    return g;
}

Graphique graphique_calibration(const std::vector<GroupeCalibration>& groupes,
                                const Traduction& t) {
    const auto texte = [&t](const Texte& x) { return texte_qt(t(x)); };
    Graphique g;
    g.titre = texte(groupes.empty() ? msg::calibration_vide : msg::calibration_titre);
    g.x = {texte(msg::probabilite_montree), 0, 1, {}, false};
    g.y = {texte(msg::fraction_porteuse), 0, 1, {}, false};
    g.courbes.push_back({CourbeGraphique::Genre::ligne, texte(msg::diagonale), {{0, 0}, {1, 1}}});
    g.legende_a_droite = true;
    // A point of one individual weighs less than a point of fifty: each is named with its
    // count in the legend.
    for (const GroupeCalibration& groupe : groupes) {
        const Texte individus = compte(static_cast<std::size_t>(groupe.individus), msg::un_individu,
                                       msg::des_individus);
        g.courbes.push_back(
            {CourbeGraphique::Genre::points,
             texte(msg::point_calibration.avec({Texte::tel_quel(groupe.fraction), individus})),
             {{groupe.probabilite, groupe.frequence()}}});
    }
    return g;
}

Texte compte(std::size_t n, const Texte& un, const Texte& plusieurs) {
    const Texte nombre = Texte::tel_quel(std::to_string(n));
    return {(n < 2 ? un : plusieurs).avec({nombre}).francais,
            (n == 1 ? un : plusieurs).avec({nombre}).anglais};
}

std::optional<Texte> enregistre_graphique(QWidget& vue, const QString& chemin) {
    // Told before any file is made.
    if (!chemin.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive) &&
        !chemin.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return msg::graphique_png_ou_svg;
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return msg::creation_impossible.avec({Texte::tel_quel(texte_core(chemin))});
    if (chemin.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&fichier);
        svg.setSize(vue.size());
        svg.setViewBox(QRect(QPoint(0, 0), vue.size()));
        svg.setTitle(vue.window()->windowTitle());
        QPainter p(&svg);
        vue.render(&p);
    } else {
        QPixmap image(vue.size() * 2);
        image.setDevicePixelRatio(2);
        image.fill(Qt::white);
        QPainter p(&image);
        vue.render(&p);
        p.end();
        if (!image.save(&fichier, "PNG")) return msg::erreur_ecriture;
    }
    if (!fichier.commit()) return msg::erreur_ecriture;
    return std::nullopt;
}

} // namespace orvan
