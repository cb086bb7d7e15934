// The pedigree's picture never overlaps: over the saved families, the examples and a few
// hundred families made of random lines of the handlers, with every option of "Affichage" on,
// no text meets another text, a symbol, a dot or a line, no two symbols meet, no two sibship
// lines run into each other, and nothing stands past the picture's edge.
#include "app/scene_fenetre.h"
#include "plateforme_test.h"
#include "scene/compose_scene.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <sstream>

using namespace orvan;
using orvan::test::Session;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> fichiers_gen() {
    std::vector<std::string> r;
    for (const char* dossier : {ORVAN_TEST_DATA, ORVAN_SOURCE_DATA "/exemples"})
        for (const auto& e : fs::directory_iterator(dossier))
            if (e.path().extension() == ".gen") r.push_back(e.path().string());
    std::sort(r.begin(), r.end());
    return r;
}

// A pupil's session at random: one or two genes, founders and spouses chosen, numbers of
// children, cancels, shifts of sibships, sexes and colours changed, in any order.
std::vector<std::string> journal_au_hasard(unsigned graine, int decalage_max = 60) {
    std::mt19937 g(graine);
    const auto tire = [&g](int n) { return static_cast<int>(g() % static_cast<unsigned>(n)); };
    const auto nombre = [&tire](int n) { return std::to_string(tire(n)); };
    const bool deux = tire(3) == 0;
    std::vector<std::string> l = {"aleat=" + std::to_string(1 + tire(1 << 30)),
                                  deux ? "bitbtn5click" : "bitbtn4click",
                                  "group_premclick." + nombre(4)};
    if (deux) l.push_back("group_secclick." + nombre(4));
    l.push_back("bitbtn1click");
    static const int individus[] = {1, 2, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 15};
    for (int n = 3 + tire(40); n > 0; --n) {
        const std::string k = std::to_string(individus[tire(14)]);
        switch (tire(8)) {
        case 0:
        case 1:
        case 2:
            l.push_back("choix_all(" + k + (tire(6) ? ",left)" : ",right)"));
            l.push_back("prem_alleleclick." + nombre(4));
            if (deux) l.push_back("sec_alleleclick." + nombre(4));
            if (tire(2)) l.push_back("nb_desc=" + nombre(9));
            l.push_back(tire(10) ? "all_okclick" : "all_annulclick");
            break;
        case 3:
            l.push_back("decal_fratrie(" + nombre(5) + "," +
                        std::to_string(tire(2 * decalage_max) - decalage_max) + ")");
            break;
        case 4:
            l.push_back("choix_sexeclick." + nombre(2));
            break;
        case 5:
            l.push_back("couleur=(" + nombre(16) + "," + nombre(16) + ",1,2,3,4,5,6,7,8)");
            break;
        default:
            l.push_back("choix_all(" + k + ",left)");
            l.push_back("prem_alleleclick." + nombre(3));
            if (deux) l.push_back("sec_alleleclick." + nombre(3));
            l.push_back("all_okclick");
        }
    }
    return l;
}

std::string decrit(const Boite& b) {
    std::ostringstream o;
    o << "(" << b.x << "," << b.y << " " << b.largeur << "x" << b.hauteur << ")";
    return o.str();
}

// Every fault of the picture, in words; empty when there is none.
std::vector<std::string> defauts(const Scene& s) {
    std::vector<std::string> d;
    const Boite cadre{0, 0, s.largeur, s.hauteur};
    std::vector<std::pair<Boite, std::string>> pleins; // symbols, fills and dots
    for (const SymboleScene& x : s.symboles)
        pleins.push_back({x.boite, "symbole " + std::to_string(x.individu)});
    for (const auto* v : {&s.paves, &s.points})
        for (const PaveScene& p : *v)
            pleins.push_back({p.boite, "pavé " + std::to_string(p.individu)});
    for (const auto& [b, nom] : pleins)
        if (!cadre.contient(b)) d.push_back(nom + " coupé " + decrit(b));
    for (std::size_t i = 0; i < s.symboles.size(); ++i)
        for (std::size_t j = i + 1; j < s.symboles.size(); ++j)
            if (s.symboles[i].boite.chevauche(s.symboles[j].boite))
                d.push_back("symboles " + std::to_string(s.symboles[i].individu) + " et " +
                            std::to_string(s.symboles[j].individu));
    for (std::size_t i = 0; i < s.textes.size(); ++i) {
        const TexteScene& t = s.textes[i];
        if (!cadre.contient(t.boite)) d.push_back("« " + t.texte + " » coupé " + decrit(t.boite));
        for (std::size_t j = i + 1; j < s.textes.size(); ++j)
            if (t.boite.chevauche(s.textes[j].boite))
                d.push_back("« " + t.texte + " » sur « " + s.textes[j].texte + " »");
        for (const auto& [b, nom] : pleins)
            if (t.boite.chevauche(b)) d.push_back("« " + t.texte + " » sur " + nom);
        for (const TraitScene& l : s.traits)
            if (t.boite.chevauche(l.boite()))
                d.push_back("« " + t.texte + " » barré " + decrit(l.boite()));
    }
    for (const TraitScene& l : s.traits) {
        if (!cadre.contient(l.boite())) d.push_back("ligne coupée " + decrit(l.boite()));
        // A line may end on a symbol's outline, never cross its inside.
        for (const SymboleScene& x : s.symboles) {
            const Boite dedans{x.boite.x + 1, x.boite.y + 1, x.boite.largeur - 2,
                               x.boite.hauteur - 2};
            if (l.boite().chevauche(dedans))
                d.push_back("ligne dans le symbole " + std::to_string(x.individu));
        }
    }
    // Two sibship lines on one height that meet are one line: their sibships merge.
    for (std::size_t i = 0; i < s.traits.size(); ++i)
        for (std::size_t j = i + 1; j < s.traits.size(); ++j) {
            const TraitScene &a = s.traits[i], &b = s.traits[j];
            const bool horizontaux = a.y1 == a.y2 && b.y1 == b.y2 && a.y1 == b.y1;
            if (horizontaux && a.boite().chevauche(b.boite()))
                d.push_back("lignes confondues " + decrit(a.boite()));
        }
    return d;
}

// Every option of "Affichage" on; the family as the window has it.
void verifie(const FenetrePrincipale& f, const std::string& nom, APriori a_priori) {
    const DonneesScene donnees = donnees_de_la_scene(f, {true, true, a_priori});
    const Scene scene = compose_scene(donnees);
    int montres = 0;
    for (int k = 1; k <= max_individus; ++k)
        montres += f.famille.individu(k).visible && f.famille.generation(k) > 0;
    EXPECT_EQ(static_cast<int>(scene.symboles.size()), montres) << nom;
    const auto d = defauts(scene);
    EXPECT_TRUE(d.empty()) << nom << " : " << d.size() << " défauts, dont " << d.front();
}

} // namespace

TEST(Scene, les_familles_enregistrees_ne_se_chevauchent_pas) {
    for (const std::string& fichier : fichiers_gen()) {
        Session s;
        ASSERT_TRUE(s->historique.ouvre_fichier(fichier)) << fichier;
        verifie(*s, fichier, APriori::programme);
    }
}

TEST(Scene, des_familles_au_hasard_ne_se_chevauchent_pas) {
    for (unsigned graine = 1; graine <= 300; ++graine) {
        Session s;
        s->journal.lignes() = journal_au_hasard(graine);
        s->historique.rejoue_journal();
        verifie(*s, "graine " + std::to_string(graine),
                graine % 2 ? APriori::programme : APriori::population);
    }
}

TEST(Scene, des_fratries_glissees_loin_ne_se_chevauchent_pas) {
    for (unsigned graine = 1; graine <= 150; ++graine) {
        Session s;
        s->journal.lignes() = journal_au_hasard(graine, 600);
        s->historique.rejoue_journal();
        verifie(*s, "graine " + std::to_string(graine), APriori::programme);
    }
}

namespace {

// Each symbol's centre, from founder 1's.
std::map<int, double> centres(const FenetrePrincipale& f) {
    const Scene scene = compose_scene(donnees_de_la_scene(f, {}));
    double origine = 0;
    for (const SymboleScene& x : scene.symboles)
        if (x.individu == 1) origine = x.boite.x;
    std::map<int, double> c;
    for (const SymboleScene& x : scene.symboles)
        c[x.individu] = x.boite.x - origine;
    return c;
}

} // namespace

// The founders' sibship slid 40 to the right then 15 back: their children, the children's
// spouses and the grandchildren stand 25 further right from the founders, each replay of the
// log alike.
TEST(Scene, une_fratrie_glissee_emmene_ses_descendants) {
    Session s;
    ASSERT_TRUE(s->historique.ouvre_fichier(ORVAN_SOURCE_DATA "/exemples/daltonisme.gen"));
    const auto avant = centres(*s);
    s->journal.lignes().push_back("decal_fratrie(0,40)");
    s->journal.lignes().push_back("decal_fratrie(0,-15)");
    for (int rejeu = 0; rejeu < 2; ++rejeu) {
        s->historique.rejoue_journal();
        const auto apres = centres(*s);
        ASSERT_EQ(apres.size(), avant.size());
        for (const auto& [k, x] : avant)
            EXPECT_DOUBLE_EQ(apres.at(k) - x, k <= 2 ? 0 : 25) << k;
    }
}
