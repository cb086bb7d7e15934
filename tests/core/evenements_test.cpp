// Log lines and their events: what each line reads as, damaged lines included, and the lines
// the program writes read back as the event that wrote them.
#include "history/evenement.h"

#include <gtest/gtest.h>
#include <set>

using namespace orvan;

namespace {

using E = std::vector<Evenement>;

struct Cas {
    std::string ligne;
    E evenements;
    // The line is the one the program writes for its event.
    bool ecrite = true;
};

void PrintTo(const Cas& c, std::ostream* o) {
    *o << '"' << c.ligne << '"';
}

ev::CouleursLegende couleurs(std::array<int, 10> n) {
    ev::CouleursLegende c{};
    std::copy(n.begin(), n.end(), c.numeros.begin() + 1);
    return c;
}

const std::vector<Cas> cas = {
    {"aleat=12", {ev::Graine{12}}},
    // The seed is written signed and kept as the generator's unsigned word.
    {"aleat=-77", {ev::Graine{4294967219u}}},
    {"aleat=-2000000000", {ev::Graine{2294967296u}}},
    {"bitbtn4click", {ev::UnGene{}}},
    {"bitbtn5click", {ev::DeuxGenes{}}},
    {"group_premclick.2", {ev::ChoixGene{1, 2}}},
    {"group_secclick.0", {ev::ChoixGene{2, 0}}},
    {"bitbtn1click", {ev::GenesConfirmes{}}},
    {"choix_all(3,left)", {ev::ChoixIndividu{3, false}}},
    {"choix_all(12,right)", {ev::ChoixIndividu{12, true}}},
    {"prem_alleleclick.1", {ev::ChoixPhenotype{1, 1}}},
    {"prem_alleleclick.-1", {ev::ChoixPhenotype{1, -1}}},
    {"sec_alleleclick.3", {ev::ChoixPhenotype{2, 3}}},
    {"nb_desc=4", {ev::NombreDescendants{4}}},
    {"all_okclick", {ev::PhenotypesConfirmes{}}},
    {"all_annulclick", {ev::PhenotypesAnnules{}}},
    {"menu_phenoclick", {ev::SaisieDesPhenotypes{}}},
    {"menu_genoclick", {ev::SaisieDesGenotypes{}}},
    // The box's key holds the list's key: the line is the tick alone.
    {"choix_genotype(1,2)", {ev::GenotypeCoche{1, 2}}},
    {"choix_gen(2,3)", {ev::GenotypeChoisi{2, 3}}},
    {"choix_sexeclick.1", {ev::ChoixSexe{1}}},
    {"bitbtn8click", {ev::GenotypesConfirmes{}}},
    {"bitbtn6click", {ev::AllelesMarques{}}},
    {"bitbtn7click", {ev::AllelesAnnules{}}},
    {"ferme_reponsesclick", {ev::ReponsesFermees{}}},
    {"coche_reponse(2,10)=0", {ev::ReponseCochee{2, 10, false}}},
    {"coche_reponse(1,3)=1", {ev::ReponseCochee{1, 3, true}}},
    {"gametes_chromosome_sexuel", {ev::RegleChromosomeSexuel{}}},
    {"couples_homme_femme", {ev::RegleCouples{}}},
    // A genotype question asked, then its answers marked for one gene and for two.
    {"question_genotype(7)", {ev::QuestionGenotype{7, {}}}},
    {"question_genotype(7)=1", {ev::QuestionGenotype{7, {true}}}},
    {"question_genotype(12)=01", {ev::QuestionGenotype{12, {false, true}}}},
    {"decal_fratrie(1,-30)", {ev::DecalageFratrie{1, -30}}},
    {"couleur=(13,14,15,15,15,15,15,15,15,15)",
     {couleurs({13, 14, 15, 15, 15, 15, 15, 15, 15, 15})}},
    // Numbers out of range are the handlers' to refuse.
    {"choix_all(41,left)", {ev::ChoixIndividu{41, false}}},
    {"decal_fratrie(1,3000000000)", {ev::DecalageFratrie{1, 3000000000}}},

    // Comments, empty and unknown lines.
    {"", {}, false},
    {"x'choix_all(1,left)", {}, false},
    {"aleat=5'", {}, false},
    {"bitbtn4click ", {}, false},
    {"BITBTN4CLICK", {}, false},
    // Blanks around a number; a number followed by something counts without its sign; only
    // exactly "right)" is the right button.
    {"choix_all( 1 ,right)", {ev::ChoixIndividu{1, true}}, false},
    {"choix_all(-2x,left)", {ev::ChoixIndividu{2, false}}, false},
    {"choix_all(2,Right)", {ev::ChoixIndividu{2, false}}, false},
    {"choix_all(2)", {ev::ChoixIndividu{2, false}}, false},
    {"decal_fratrie", {ev::DecalageFratrie{0, 0}}, false},
    // Several keys on one line: each reads what the keys before it left.
    {"aleat=7choix_all(1,left)", {ev::Graine{7}, ev::ChoixIndividu{1, false}}, false},
    {"aleat=bitbtn4click", {ev::Graine{0}, ev::UnGene{}}, false},
    {"group_premclick.1group_secclick.2", {ev::ChoixGene{1, 1}, ev::ChoixGene{2, 2}}, false},
    {"choix_genotype(1,2)nb_desc=3", {ev::NombreDescendants{3}}, false},
    // A colour out of 1..16 voids the line; missing fields repeat what is left.
    {"couleur=(13,14,15,15,15,15,15,15,15,17)", {}, false},
    {"couleur=(1,2,3)", {couleurs({1, 2, 3, 3, 3, 3, 3, 3, 3, 3})}, false},
    // A tick is 0 or 1.
    {"coche_reponse(1,3)=2", {}, false},
    // A mark is 0 or 1, for one gene or two.
    {"question_genotype(7)=2", {}, false},
    {"question_genotype(7)=", {}, false},
    {"question_genotype(7)=101", {}, false},
    {"question_genotype(7", {}, false},
};

class LectureDesLignes : public testing::TestWithParam<Cas> {};

TEST_P(LectureDesLignes, SeLitEnSesEvenements) {
    const Cas& c = GetParam();
    EXPECT_EQ(lit_evenements(c.ligne), c.evenements);
    if (c.ecrite) {
        ASSERT_EQ(c.evenements.size(), 1u);
        EXPECT_EQ(ecrit_evenement(c.evenements[0]), c.ligne);
    }
}

INSTANTIATE_TEST_SUITE_P(Evenements, LectureDesLignes, testing::ValuesIn(cas));

TEST(Evenements, ChaqueSorteALaLigneQuiLaRelit) {
    std::set<std::size_t> sortes;
    for (const Cas& c : cas)
        if (c.ecrite) sortes.insert(c.evenements[0].index());
    EXPECT_EQ(sortes.size(), std::variant_size_v<Evenement>);
}

} // namespace
