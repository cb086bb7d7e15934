// Arranging the family by hand: sibship lines dragged and folded, floating panels dragged, and
// positions that stay within their bound whatever a file asks.
#include "../grande_famille.h"
#include "plateforme_test.h"

#include "ground/position.h"
#include "panneaux/panneaux_mobiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace orvan;
using orvan::test::Session;

namespace {

void ouvre_grande_famille(Session& s) {
    s->journal.lignes() = grande_famille;
    s->historique.rejoue_journal();
    ASSERT_EQ(s->famille.dernier_indiv(), 15);
    ASSERT_EQ(s->arbre.tab_union[1]->left, 519);
    ASSERT_EQ(s->arbre.tab_union[1]->width, 225);
    ASSERT_EQ(s->arbre.tab_vertic[1]->left, 631);
}

struct Lefts {
    int trait, forme, label;
};

Lefts lefts(Session& s, int k) {
    return {s->arbre.tab_trait[k]->left, s->arbre.tab_shape[k]->left, s->arbre.tab_label[k]->left};
}

void presse(Controle& c, int x, int y) {
    c.on_mouse_down(Bouton::gauche, x, y);
}
void relache(Controle& c) {
    c.on_mouse_up(Bouton::gauche, 0, 0);
}

} // namespace

TEST(Fratries, GlisserUneLigneDeplaceSesEnfantsAuRelachement) {
    Session s;
    ouvre_grande_famille(s);
    Panel& ligne = *s->arbre.tab_union[1];
    const Lefts enfant = lefts(s, 12);
    const std::size_t n = s.journal().size();

    presse(ligne, 10, 2);
    // The mouse is read in the line's own coordinates, and the line moves under it: 15 pixels
    // right, 30 more, then 15 back.
    ligne.on_mouse_move(25, 3);
    EXPECT_EQ(ligne.left, 534);
    ligne.on_mouse_move(40, 40); // Y is not used
    EXPECT_EQ(ligne.left, 564);
    // The children wait for the release.
    EXPECT_EQ(s->arbre.tab_shape[12]->left, 594);
    ligne.on_mouse_move(-5, 2);
    EXPECT_EQ(ligne.left, 549);
    relache(ligne);

    ASSERT_EQ(s.journal().size(), n + 1);
    EXPECT_EQ(s.journal().back(), "decal_fratrie(1,30)");
    EXPECT_EQ(s->arbre.tab_trait[12]->left, enfant.trait + 30);
    EXPECT_EQ(s->arbre.tab_shape[12]->left, 594 + 30);
    EXPECT_EQ(s->arbre.tab_label[12]->left, enfant.label + 30);
    for (int k = 10; k <= 15; ++k)
        EXPECT_EQ(s->arbre.tab_shape[k]->left, 504 + 45 * (k - 10) + 30) << k;
    // The line stays where the drag left it; parents, spouse, other lines and the founders'
    // children stay where they were.
    EXPECT_EQ(ligne.left, 549);
    EXPECT_EQ(s->arbre.tab_vertic[1]->left, 631);
    EXPECT_EQ(s->arbre.tab_shape[9]->left, 634);
    EXPECT_EQ(s->arbre.tab_shape[8]->left, 594);
    EXPECT_EQ(s->arbre.tab_union[0]->left, 99 + 17 - 2);

    // After the release the mouse moves nothing.
    ligne.on_mouse_move(100, 2);
    EXPECT_EQ(ligne.left, 549);
}

TEST(Fratries, LaLigneNeQuittePasSaVerticale) {
    Session s;
    ouvre_grande_famille(s);
    Panel& ligne = *s->arbre.tab_union[1];
    const std::size_t n = s.journal().size();

    // 519 + 111 = 630 still left of 631; one more pixel is refused, not cut short.
    presse(ligne, 10, 2);
    ligne.on_mouse_move(121, 2);
    EXPECT_EQ(ligne.left, 630);
    ligne.on_mouse_move(11, 2);
    EXPECT_EQ(ligne.left, 630);
    ligne.on_mouse_move(10 + 200, 2);
    EXPECT_EQ(ligne.left, 630);
    relache(ligne);
    EXPECT_EQ(s.journal().back(), "decal_fratrie(1,111)");

    // Leftward the right end must stay past 631: 407 + 225 = 632 is the last place taken.
    presse(ligne, 10, 2);
    ligne.on_mouse_move(10 - 223, 2);
    EXPECT_EQ(ligne.left, 407);
    ligne.on_mouse_move(9, 2);
    EXPECT_EQ(ligne.left, 407);
    relache(ligne);
    EXPECT_EQ(s.journal().back(), "decal_fratrie(1,-223)");
    EXPECT_EQ(s->arbre.tab_shape[10]->left, 504 + 111 - 223);
    EXPECT_EQ(s.journal().size(), n + 2);
}

TEST(Fratries, UnClicSansMouvementEcritUnDecalageNul) {
    Session s;
    ouvre_grande_famille(s);
    Panel& ligne = *s->arbre.tab_union[1];
    presse(ligne, 40, 1);
    relache(ligne);
    EXPECT_EQ(s.journal().back(), "decal_fratrie(1,0)");
    EXPECT_EQ(s->arbre.tab_shape[10]->left, 504);
    EXPECT_EQ(s.journal().size(), grande_famille.size() + 1);

    // A press on a line also ends the genotype questions.
    s->arbre.ped.mode_interro_geno = 1;
    s->arbre.ped.etat_actif[3] = 1;
    s->arbre.tab_shape[3]->enabled = false;
    presse(ligne, 40, 1);
    EXPECT_EQ(s->arbre.ped.mode_interro_geno, 0);
    EXPECT_TRUE(s->arbre.tab_shape[3]->enabled);
    relache(ligne);
}

TEST(Fratries, LaLigneDeLaDeuxiemeGenerationNeGlisseQueSeule) {
    Session s;
    s->journal.lignes().assign(grande_famille.begin(), grande_famille.end() - 4);
    s->historique.rejoue_journal();
    Panel& ligne = *s->arbre.tab_union[0];
    EXPECT_TRUE(ligne.enabled);
    const std::size_t n = s.journal().size();
    presse(ligne, 40, 1);
    ligne.on_mouse_move(28, 1);
    relache(ligne);
    EXPECT_EQ(s.journal().size(), n + 1);
    EXPECT_EQ(s.journal().back(), "decal_fratrie(0,-12)");
    for (int k = 3; k <= 8; ++k)
        EXPECT_EQ(s->arbre.tab_shape[k]->left, 99 * (k - 2) - 12) << k;
    EXPECT_EQ(s->arbre.tab_shape[1]->left, 289);

    // Once a third generation exists the line is disabled, and the front end sends it nothing.
    for (std::size_t i = grande_famille.size() - 4; i < grande_famille.size(); ++i)
        s->journal.lignes().push_back(grande_famille[i]);
    s->historique.rejoue_journal();
    EXPECT_FALSE(ligne.enabled);
}

TEST(Fratries, DeuxClicsSurLaVerticaleRendentLaFratrie) {
    Session s;
    ouvre_grande_famille(s);
    Panel& verticale = *s->arbre.tab_vertic[1];
    const int hauteur = verticale.height;
    ASSERT_TRUE(verticale.on_mouse_down);
    EXPECT_FALSE(s->arbre.tab_vertic[0]->on_mouse_down);

    verticale.on_mouse_down(Bouton::gauche, 2, 5);
    EXPECT_EQ(verticale.height, hauteur - 30);
    EXPECT_FALSE(s->arbre.tab_union[1]->visible);
    for (int k = 10; k <= 15; ++k) {
        EXPECT_FALSE(s->arbre.tab_trait[k]->visible) << k;
        EXPECT_FALSE(s->arbre.tab_shape[k]->visible) << k;
        EXPECT_FALSE(s->arbre.tab_label[k]->visible) << k;
    }
    // Only that sibship: the parents and the other one stay.
    EXPECT_TRUE(s->arbre.tab_shape[9]->visible);
    EXPECT_TRUE(s->arbre.tab_shape[8]->visible);
    EXPECT_TRUE(s->arbre.tab_union[0]->visible);

    verticale.on_mouse_down(Bouton::droit, 2, 5);
    EXPECT_EQ(verticale.height, hauteur);
    EXPECT_TRUE(s->arbre.tab_union[1]->visible);
    for (int k = 10; k <= 15; ++k)
        EXPECT_TRUE(s->arbre.tab_shape[k]->visible && s->arbre.tab_label[k]->visible &&
                    s->arbre.tab_trait[k]->visible)
            << k;
    // Folding is not written: the log ends with the crossing.
    EXPECT_EQ(s.journal().back(), "all_okclick");

    // A vertical line without a sibship under it has nothing to fold.
    const int h2 = s->arbre.tab_vertic[2]->height;
    s->arbre.tab_vertic[2]->on_mouse_down(Bouton::gauche, 0, 0);
    s->arbre.tab_vertic[2]->on_mouse_down(Bouton::gauche, 0, 0);
    EXPECT_EQ(s->arbre.tab_vertic[2]->height, h2);
}

TEST(Fratries, UnRejeuMontreLaFratriePliee) {
    Session s;
    ouvre_grande_famille(s);
    s->arbre.tab_vertic[1]->on_mouse_down(Bouton::gauche, 2, 5);
    s->historique.rejoue_journal();
    EXPECT_TRUE(s->arbre.tab_shape[15]->visible);
    EXPECT_TRUE(s->arbre.tab_union[1]->visible);
}

TEST(Panneaux, UnPanneauSArreteAQuinzePixelsDuBordMaisSuitLAutreAxe) {
    Session s;
    Groupe& historique = *s->historique.panneau;
    ASSERT_EQ(historique.left, 452);
    ASSERT_EQ(historique.top, 40);
    ASSERT_EQ(historique.width, 236);
    const std::size_t n = s.journal().size();

    // Leftward: the right edge must stay beyond 15, so -220 (+236 = 16) is the last place.
    presse(historique, 10, 10);
    historique.on_mouse_move(10 - 672, 30);
    EXPECT_EQ(historique.left, -220);
    EXPECT_EQ(historique.top, 60);
    historique.on_mouse_move(9, 40);
    EXPECT_EQ(historique.left, -220);
    EXPECT_EQ(historique.top, 90);

    // Rightward: the left edge must stay below 698 - 15 = 683.
    historique.on_mouse_move(10 + 902, 10);
    EXPECT_EQ(historique.left, 682);
    historique.on_mouse_move(11, 10);
    EXPECT_EQ(historique.left, 682);

    // Down: the top stays below 559 - 60 = 499; up: the bottom beyond 15 (262 high).
    historique.on_mouse_move(10, 10 + 408);
    EXPECT_EQ(historique.top, 498);
    historique.on_mouse_move(10, 11);
    EXPECT_EQ(historique.top, 498);
    historique.on_mouse_move(10, 10 - 744);
    EXPECT_EQ(historique.top, -246);
    historique.on_mouse_move(10, 9);
    EXPECT_EQ(historique.top, -246);
    relache(historique);
    historique.on_mouse_move(0, 0);
    EXPECT_EQ(historique.left, 682);
    EXPECT_EQ(s.journal().size(), n);
}

// Once the screen has said which part of the window it shows, a panel keeps 15 pixels inside
// that part, larger or smaller than the program's own 698 x 559, scrolled or not. The history
// panel stands at 452, 40 and is 236 x 262; each row is one move from there.
TEST(Panneaux, UnPanneauResteDansLaPartieVisibleDeLaFenetre) {
    struct Cas {
        Fiche::PartieVisible vue;
        int dx, dy;
        int left, top;
    };
    const Cas cas[] = {
        // A large window: far beyond 698 x 559, up to 1185 x 885.
        {{0, 0, 1200, 900}, 700, 800, 1152, 840},
        {{0, 0, 1200, 900}, 740, 850, 452, 40},
        // A small one: the left edge below 485, the top below 385.
        {{0, 0, 500, 400}, 40, 340, 452, 380},
        {{0, 0, 500, 400}, 30, 350, 482, 40},
        // Scrolled to 300, 200: the right edge beyond 315, the bottom beyond 215.
        {{300, 200, 1000, 800}, -530, -100, 452, 40},
        {{300, 200, 1000, 800}, -130, -30, 322, 10},
    };
    for (const Cas& c : cas) {
        Session s;
        s->partie_visible = c.vue;
        Groupe& historique = *s->historique.panneau;
        ASSERT_EQ(historique.left, 452);
        ASSERT_EQ(historique.top, 40);
        presse(historique, 10, 10);
        historique.on_mouse_move(10 + c.dx, 10 + c.dy);
        relache(historique);
        EXPECT_EQ(historique.left, c.left) << c.dx << ' ' << c.vue.droite;
        EXPECT_EQ(historique.top, c.top) << c.dy << ' ' << c.vue.bas;
    }
}

TEST(Panneaux, ChaqueElementDuTableauDeplaceSonPanneau) {
    Session s;
    FenetrePrincipale& f = *s;
    struct Cas {
        Controle* element;
        Controle* panneau;
    };
    const std::vector<Cas> cas = {
        {f.phenotypes.panneau, f.phenotypes.panneau}, {f.genotypes.panneau, f.genotypes.panneau},
        {f.genotypes.boites[1], f.genotypes.panneau}, {f.genotypes.boites[2], f.genotypes.panneau},
        {f.alleles.panneau, f.alleles.panneau},       {f.alleles.boites[1], f.alleles.panneau},
        {f.alleles.boites[2], f.alleles.panneau},     {f.couleurs.panneau, f.couleurs.panneau},
        {f.historique.panneau, f.historique.panneau}};
    for (const Cas& c : cas) {
        c.panneau->left = 100;
        c.panneau->top = 100;
        EXPECT_EQ(c.element->curseur, Curseur::deplacement) << c.element->nom;
        c.element->on_mouse_down(Bouton::droit, 5, 5);
        c.element->on_mouse_move(25, -5);
        c.element->on_mouse_up(Bouton::droit, 25, -5);
        EXPECT_EQ(c.panneau->left, 120) << c.element->nom;
        EXPECT_EQ(c.panneau->top, 90) << c.element->nom;
        EXPECT_FALSE(f.panneaux_mobiles.etat.en_deplacement) << c.element->nom;
    }
    // The inner boxes do not move inside their panel.
    EXPECT_EQ(f.alleles.boites[1]->left, 6);
    EXPECT_EQ(f.genotypes.boites[2]->left, 120);
}

TEST(Positions, UnDecalageSArreteALaBorne) {
    EXPECT_EQ(decale_borne(999'990, 30), 1'000'000);
    EXPECT_EQ(decale_borne(-999'990, -30), -1'000'000);
    EXPECT_EQ(decale_borne(1'000'000, -1), 999'999);
    EXPECT_EQ(decale_borne(99, 2'147'483'647), 1'000'000);
    EXPECT_EQ(decale_borne(-1'000'000, std::int64_t{1} << 62), 1'000'000);
    EXPECT_EQ(decale_borne(1'000'000, -(std::int64_t{1} << 62)), -1'000'000);
    EXPECT_EQ(decale_borne(0, 0), 0);
}

TEST(Positions, UnRejeuNeDepassePasLaBorne) {
    Session s;
    auto& l = s->journal.lignes();
    l.assign(grande_famille.begin(), grande_famille.end() - 4);
    // Each of these alone would take a child's Left past the range of int.
    for (int i = 0; i < 3; ++i)
        l.push_back("decal_fratrie(0,2147483647)");
    s->historique.rejoue_journal();
    for (int k = 3; k <= 8; ++k)
        EXPECT_EQ(s->arbre.tab_shape[k]->left, 1'000'000) << k;
    EXPECT_EQ(s->arbre.tab_trait[3]->left, 1'000'000);
    EXPECT_EQ(s->arbre.tab_union[0]->left, 1'000'000);

    // Back by the smallest int, then a number past int, which is no shift, then 999.
    l.push_back("decal_fratrie(0,-2147483648)");
    l.push_back("decal_fratrie(0,2147483648)");
    l.push_back("decal_fratrie(0,999)");
    s->historique.rejoue_journal();
    EXPECT_EQ(s->arbre.tab_shape[3]->left, -999'001);
    EXPECT_EQ(s->arbre.tab_label[8]->left, -999'001);
    EXPECT_EQ(s->arbre.tab_union[0]->left, -999'001);
    EXPECT_EQ(s->arbre.tab_shape[1]->left, 289);
}

TEST(Positions, LeGlissementNeDepassePasLaBorne) {
    Session s;
    ouvre_grande_famille(s);
    s->journal.lignes().push_back("decal_fratrie(1,999400)");
    s->historique.rejoue_journal();
    ASSERT_EQ(s->arbre.tab_shape[15]->left, 1'000'000);
    ASSERT_EQ(s->arbre.tab_shape[10]->left, 504 + 999'400);
    // The line went with them, away from its vertical line: put it back to drag it again.
    Panel& ligne = *s->arbre.tab_union[1];
    ligne.left = 519;
    presse(ligne, 10, 2);
    ligne.on_mouse_move(110, 2);
    relache(ligne);
    EXPECT_EQ(s.journal().back(), "decal_fratrie(1,100)");
    EXPECT_EQ(s->arbre.tab_shape[10]->left, 1'000'000);
    EXPECT_EQ(s->arbre.tab_shape[15]->left, 1'000'000);
}

TEST(Fichiers, OuvrirAvantToutClicEnleveLImageDeDepart) {
    Session s;
    const auto chemin = std::filesystem::temp_directory_path() /
                        ("orvan_ouvre_" + std::to_string(::getpid()) + ".gen");
    std::ofstream(chemin) << "aleat=5\r\nbitbtn4click\r\n";
    ASSERT_TRUE(s->depart.image->visible);
    ASSERT_FALSE(s->depart.minuterie_disparition->enabled);
    ASSERT_TRUE(s->historique.ouvre_fichier(chemin.string()));
    std::filesystem::remove(chemin);
    EXPECT_TRUE(s->depart.minuterie_disparition->enabled);
    s->depart.minuterie_disparition->tic();
    EXPECT_FALSE(s->depart.image->visible);
    EXPECT_FALSE(s->depart.panneau_consigne->visible);
}
