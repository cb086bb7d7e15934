// The peeling against every genotype assignment of small families, counted one by one: the
// program's crossing gone through for each pair of parents, both genes at once.
#include "app/famille_vue_fenetre.h"
#include "app/fenetre_principale.h"
#include "famille_test.h"
#include "familles_vues.h"
#include "plateforme_test.h"
#include "probabilites/moteur_probabilites.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <tuple>

namespace orvan::test {
namespace {

// The generator's state before the one that `apres` follows: the step is a bijection.
std::uint32_t etat_precedent(std::uint32_t apres) {
    const std::uint32_t a = 134775813u;
    std::uint32_t inverse = a;
    for (int i = 0; i < 5; ++i)
        inverse *= 2u - a * inverse;
    return (apres - 1u) * inverse;
}

// The law of the genotype that the program draws for a founder of this sex and phenotype (a
// spouse is drawn alike), read from the program itself: its draw runs, in a window, from 840
// states spread evenly over the generator's range, so that each value of a draw among n (n up
// to 8) comes as often as any other; a draw that it makes again (a genotype of the other sex)
// hands over to the next, and only the draws kept at once count.
Loi a_priori_des_tirages(const EspaceGene& gene, const std::string& phenotype, Sexe sexe) {
    static std::map<std::tuple<std::string, std::string, Sexe>, Loi> connues;
    const auto cle = std::make_tuple(gene.gene().nom, phenotype, sexe);
    if (const auto it = connues.find(cle); it != connues.end()) return it->second;
    Loi l(gene.nb_etats(), 0);
    Session s;
    const auto& noms = s->genes.premier_gene->items;
    choisit_genes(
        s, static_cast<int>(std::find(noms.begin(), noms.end(), gene.gene().nom) - noms.begin()));
    const auto& items = s->phenotypes.premier_phenotype->items;
    const auto item = std::find_if(items.begin(), items.end(), [&](const std::string& i) {
        return avant(i, ',') == phenotype;
    });
    EXPECT_NE(item, items.end()) << gene.gene().nom << " " << phenotype;
    const int k = sexe == Sexe::femme ? 2 : 1;
    constexpr std::uint64_t points = 840;
    mpq_class total = 0;
    for (std::uint64_t j = 0; j < points; ++j) {
        s->arbre.clic_individu(k, Bouton::gauche);
        // The panel shows the phenotype chosen before: chosen again, it lets OK be pressed.
        s->phenotypes.premier_phenotype->selectionne(-1);
        s->phenotypes.premier_phenotype->selectionne(static_cast<int>(item - items.begin()));
        s->alea.graine_alea =
            etat_precedent(static_cast<std::uint32_t>(((2 * j + 1) << 32) / (2 * points)));
        const Generateur avant = s->alea;
        s->phenotypes.ok->clic();
        if (nb_tirages_depuis(avant, s->alea, 2) != 1) continue;
        const auto e = gene.etat(s->famille.individu(k).genotype(1).texte());
        EXPECT_TRUE(e.has_value());
        if (!e) continue;
        l[*e] += 1;
        total += 1;
    }
    for (mpq_class& p : l)
        p /= total;
    return connues[cle] = l;
}

// Per individual and gene, P(genotype | all that is seen), by brute force over the joint
// genotypes that each individual's prior and phenotypes allow.
class ForceBrute {
  public:
    ForceBrute(const FamilleVue& f, const ReglagesProbabilites& r) : f_(f), r_(r) {
        lois_.suit(f.regle);
        for (const GeneVu& g : f.genes)
            espaces_.emplace_back(g);
        for (const IndividuVu& ind : f.individus) {
            index_[ind.numero] = static_cast<int>(possibles_.size());
            possibles_.push_back(etats_permis(ind));
            a_priori_.push_back(a_priori(ind));
        }
    }

    std::vector<std::vector<Loi>> marges() {
        choix_.assign(f_.individus.size(), {});
        marges_.assign(f_.individus.size(), {});
        for (auto& m : marges_)
            for (const EspaceGene& e : espaces_)
                m.emplace_back(e.nb_etats(), 0);
        total_ = 0;
        parcourt(0);
        for (auto& m : marges_)
            for (Loi& l : m)
                for (Rationnel& p : l)
                    p /= total_;
        return marges_;
    }

  private:
    using Etat = std::vector<int>; // one genotype per gene

    std::vector<Etat> etats_permis(const IndividuVu& ind) const {
        std::vector<Etat> r{{}};
        for (std::size_t g = 0; g < espaces_.size(); ++g) {
            std::vector<Etat> suite;
            for (const Etat& e : r)
                for (int k = 0; k < espaces_[g].nb_etats(); ++k) {
                    const bool vu =
                        ind.phenotype[g].empty() || espaces_[g].phenotype(k) == ind.phenotype[g];
                    const bool saisi =
                        ind.genotype[g].empty() || espaces_[g].etat(ind.genotype[g]) == k;
                    if (!vu || !saisi) continue;
                    Etat x = e;
                    x.push_back(k);
                    suite.push_back(x);
                }
            r = suite;
        }
        return r;
    }

    // A genotype entered by hand was drawn by nobody: whatever weight it gets, the same for
    // every genotype, the family's law stays as it is.
    std::vector<Loi> a_priori(const IndividuVu& ind) const {
        std::vector<Loi> l;
        for (const EspaceGene& gene : espaces_) {
            const std::size_t g = l.size();
            if (r_.a_priori == APriori::population)
                l.push_back(a_priori_population(gene, r_.frequences.at(gene.gene().nom), ind.sexe));
            else if (ind.phenotype[g].empty() && !ind.genotype[g].empty())
                l.emplace_back(gene.nb_etats(), 1);
            else
                l.push_back(a_priori_des_tirages(gene, ind.phenotype[g], ind.sexe));
        }
        return l;
    }

    GenotypesParent textes(const Etat& e) const {
        GenotypesParent t;
        for (std::size_t g = 0; g < espaces_.size(); ++g)
            t[g] = espaces_[g].texte(e[g]);
        return t;
    }

    // P(child's genotypes | its sex, its parents').
    Rationnel transmission(const IndividuVu& ind, const Etat& enfant) {
        const Etat& e1 = choix_[index_[ind.premier_parent]];
        const Etat& e2 = choix_[index_[ind.second_parent]];
        const auto cle = std::make_tuple(ind.numero, e1, e2);
        auto it = connues_.find(cle);
        if (it == connues_.end()) it = connues_.emplace(cle, enfants(ind, e1, e2)).first;
        const auto p = it->second.find(enfant);
        return p == it->second.end() ? Rationnel(0) : p->second;
    }

    std::map<Etat, Rationnel> enfants(const IndividuVu& ind, const Etat& e1, const Etat& e2) {
        const IndividuVu& p1 = f_.individus[index_[ind.premier_parent]];
        const IndividuVu& p2 = f_.individus[index_[ind.second_parent]];
        std::map<Etat, Rationnel> loi;
        for (const Etat& enfant : possibles_[index_[ind.numero]]) {
            if (r_.a_priori == APriori::population) {
                Rationnel p = 1;
                for (std::size_t g = 0; g < espaces_.size(); ++g)
                    p *= transmission_mendel(espaces_[g], e1[g], p1.sexe, e2[g], p2.sexe,
                                             ind.sexe)[enfant[g]];
                loi[enfant] = p;
                continue;
            }
            Rationnel du_sexe = 0, de_l_enfant = 0;
            for (const auto& [issue, p] : lois_.loi(textes(e1), textes(e2))) {
                if (std::get<2>(issue) != ind.sexe) continue;
                du_sexe += p;
                const std::array<std::string, 2> t = {std::get<0>(issue), std::get<1>(issue)};
                bool meme = true;
                for (std::size_t g = 0; g < espaces_.size(); ++g)
                    meme = meme && espaces_[g].etat(t[g]) == enfant[g];
                if (meme) de_l_enfant += p;
            }
            loi[enfant] = signe(du_sexe) == 0 ? Rationnel(0) : de_l_enfant / du_sexe;
        }
        return loi;
    }

    // Individuals come after their parents: each factor is taken as soon as it is known, and a
    // branch of weight zero is left at once.
    void parcourt(std::size_t i, const Rationnel& poids = 1) {
        if (signe(poids) == 0) return;
        if (i == f_.individus.size()) {
            total_ += poids;
            for (std::size_t k = 0; k < f_.individus.size(); ++k)
                for (std::size_t g = 0; g < espaces_.size(); ++g)
                    marges_[k][g][choix_[k][g]] += poids;
            return;
        }
        const IndividuVu& ind = f_.individus[i];
        for (const Etat& e : possibles_[i]) {
            choix_[i] = e;
            Rationnel p = poids;
            if (ind.premier_parent != 0)
                p *= transmission(ind, e);
            else
                for (std::size_t g = 0; g < espaces_.size(); ++g)
                    p *= a_priori_[i][g][e[g]];
            parcourt(i + 1, p);
        }
    }

    FamilleVue f_;
    ReglagesProbabilites r_;
    LoiEnfantProgramme lois_;
    std::vector<EspaceGene> espaces_;
    std::map<int, int> index_;
    std::vector<std::vector<Etat>> possibles_;
    std::vector<std::vector<Loi>> a_priori_;
    std::vector<Etat> choix_;
    std::vector<std::vector<Loi>> marges_;
    std::map<std::tuple<int, Etat, Etat>, std::map<Etat, Rationnel>> connues_;
    Rationnel total_;
};

IndividuVu vu2(int numero, Sexe sexe, std::string p1, std::string p2, int premier = 0,
               int second = 0) {
    return {numero, sexe, premier, second, {std::move(p1), std::move(p2)}, {"", ""}};
}

void compare(const FamilleVue& famille, const ReglagesProbabilites& r, const std::string& nom) {
    LoiEnfantProgramme lois;
    MoteurProbabilites moteur(famille, r, lois);
    const ResultatProbabilites res = moteur.calcule();
    ASSERT_FALSE(res.contradiction.has_value()) << nom;
    const auto attendu = ForceBrute(famille, r).marges();
    for (std::size_t i = 0; i < res.individus.size(); ++i)
        for (std::size_t g = 0; g < famille.genes.size(); ++g) {
            Loi calcule(moteur.espace(g).nb_etats(), 0);
            for (const ProbabiliteGenotype& p : res.individus[i].genes[g])
                calcule[*moteur.espace(g).etat(p.genotype)] = p.probabilite;
            EXPECT_EQ(calcule, attendu[i][g])
                << nom << ", individu " << res.individus[i].numero << ", gène " << g;
        }
}

std::map<std::string, FrequencesGene> frequences_de_classe() {
    return {{"Daltonisme d", {{"XD", Rationnel(92, 100)}, {"Xd", Rationnel(8, 100)}}},
            {"Hémophilie h", {{"XH", Rationnel(3, 4)}, {"Xh", Rationnel(1, 4)}}},
            {"Groupes ABO",
             {{"A", Rationnel(3, 10)}, {"B", Rationnel(1, 10)}, {"O", Rationnel(6, 10)}}},
            {"Facteur rhésus rh+ rh-", {{"Rh+", Rationnel(3, 5)}, {"Rh-", Rationnel(2, 5)}}}};
}

TEST(ProbabilitesForceBrute, LePeelingDonneLesMemesFractionsQueLEnumeration) {
    const FamilleVue deux_x{{gene_de_la_banque("Daltonisme d"), gene_de_la_banque("Hémophilie h")},
                            {vu2(1, H, "D", "H"), vu2(2, F, "D", "H"), vu2(3, H, "d", "H", 1, 2),
                             vu2(4, F, "D", "H", 1, 2), vu2(5, H, "D", "h"),
                             vu2(6, F, "D", "H", 4, 5), vu2(7, H, "d", "H", 4, 5)}};
    const FamilleVue abo_rhesus{
        {gene_de_la_banque("Groupes ABO"), gene_de_la_banque("Facteur rhésus rh+ rh-")},
        {vu2(1, H, "A", "Rh+"), vu2(2, F, "B", "Rh+"), vu2(3, F, "A", "Rh+", 1, 2),
         vu2(4, H, "AB", "Rh+", 1, 2), vu2(5, H, "O", "Rh+"), vu2(6, H, "A", "Rh-", 3, 5)}};
    FamilleVue un_gene{{gene_de_la_banque("Hémophilie h")},
                       {vu(1, H, "H"), vu(2, F, "H"), vu(3, F, "H", 1, 2), vu(4, H, "h"),
                        vu(5, H, "H", 3, 4), vu(6, F, "h", 3, 4), vu(7, H, "H", 1, 2)}};
    FamilleVue deux_x_avant = deux_x;
    deux_x_avant.regle = RegleGametes::melange_libre;
    for (APriori a : {APriori::programme, APriori::population}) {
        const ReglagesProbabilites r{a, frequences_de_classe()};
        compare(deux_x, r, "daltonisme et hémophilie");
        compare(deux_x_avant, r, "daltonisme et hémophilie, gamètes d'avant");
        compare(abo_rhesus, r, "ABO et rhésus");
        compare(un_gene, r, "hémophilie");
    }
}

FamilleVue famille_enregistree(const std::string& nom) {
    Session s;
    EXPECT_TRUE(s->historique.ouvre_fichier(std::string(ORVAN_TEST_DATA) + "/" + nom + ".gen"));
    return famille_vue(*s);
}

// Saved families of the program, as the window shows them: phenotypes chosen and drawn, two
// genes read in the bank's order, genotypes entered for the founders or changed by hand.
TEST(ProbabilitesForceBrute, LesFamillesEnregistreesCommeLaFenetreLesMontre) {
    for (const char* nom : {"un_gene", "abo", "deux_genes", "hemophilie_marquee",
                            "deux_genes_marques", "changement_genotype", "saisie_fondateurs"}) {
        const FamilleVue vue = famille_enregistree(nom);
        ASSERT_LE(vue.individus.size(), 8u) << nom;
        for (APriori a : {APriori::programme, APriori::population})
            compare(vue, {a, frequences_de_classe()}, nom);
    }
}

// A daughter whose genotype, changed by hand, holds a Y: no family can show that.
TEST(ProbabilitesForceBrute, UnGenotypeSaisiImpossibleEstNomme) {
    const FamilleVue vue = famille_enregistree("changement_sexe");
    for (APriori a : {APriori::programme, APriori::population}) {
        LoiEnfantProgramme lois;
        const auto c =
            MoteurProbabilites(vue, {a, frequences_de_classe()}, lois).calcule().contradiction;
        ASSERT_TRUE(c.has_value());
        EXPECT_EQ(c->numero, 3);
        EXPECT_TRUE(c->genotype);
    }
}

} // namespace
} // namespace orvan::test
