// A log line read as a table: one row per kind of line, its key, how the key is recognised, and
// what reads its fields. Every row is tried on every line, in the table's order, and each row
// that recognises the line reads its fields from the text that the rows before it have left: a
// row cuts the text as it reads it. Saved files of every age were read this way, damaged lines
// included, so the order of the rows and their cuts are part of the format.
#include "ground/texte.h"
#include "history/evenement.h"
#include "history/nombre.h"

#include <array>
#include <bit>
#include <cstdint>
#include <string_view>

namespace orvan {

namespace {

using Evenements = std::vector<Evenement>;

std::string_view avant_vue(std::string_view t, char c) {
    return t.substr(0, t.find(c));
}

// ".n" after the key.
std::int64_t apres_point(std::string_view& t) {
    supprime_jusqua(t, '.');
    return lit_nombre(t);
}

// "=n" after the key.
std::int64_t apres_egal(std::string_view& t) {
    supprime_jusqua(t, '=');
    return lit_nombre(t);
}

// "(a,b)" after the key: the first number before the first ",", the second before the ")".
std::pair<std::int64_t, std::int64_t> deux_nombres(std::string_view& t) {
    supprime_jusqua(t, '(');
    const std::int64_t a = lit_nombre(avant_vue(t, ','));
    supprime_jusqua(t, ',');
    const std::int64_t b = lit_nombre(avant_vue(t, ')'));
    return {a, b};
}

// The button is the right one only when exactly "right)" follows the comma.
void choix_individu(std::string_view& t, Evenements& e) {
    supprime_jusqua(t, '(');
    const std::int64_t k = lit_nombre(avant_vue(t, ','));
    supprime_jusqua(t, ',');
    e.push_back(ev::ChoixIndividu{k, t == "right)"});
}

// A colour out of 1..16 leaves the whole line without effect.
void couleurs_legende(std::string_view& t, Evenements& e) {
    supprime_jusqua(t, '(');
    ev::CouleursLegende c{};
    for (int n = 1; n <= max_legende; ++n) {
        const std::int64_t numero = lit_nombre(avant_vue(t, n < max_legende ? ',' : ')'));
        supprime_jusqua(t, ',');
        if (numero < 1 || numero > 16) return;
        c.numeros[n] = static_cast<int>(numero);
    }
    e.push_back(c);
}

enum class Cle { egale, contenue };

struct Ligne {
    std::string_view cle;
    Cle reconnue;
    void (*lit)(std::string_view&, Evenements&);
};

template <class E> void commande(std::string_view&, Evenements& e) {
    e.push_back(E{});
}

// "(g,i)=v": a tick is 1, an untick 0; any other value is no tick.
void reponse_cochee(std::string_view& t, Evenements& e) {
    const auto [g, i] = deux_nombres(t);
    const std::int64_t v = apres_egal(t);
    if (v == 0 || v == 1) e.push_back(ev::ReponseCochee{g, i, v == 1});
}

// "(k)" asked, "(k)=10" marked: one digit per gene, 1 for a right answer. Any other mark, or
// more than two, is no question.
void question_genotype(std::string_view& t, Evenements& e) {
    supprime_jusqua(t, '(');
    ev::QuestionGenotype q{lit_nombre(avant_vue(t, ')')), {}};
    supprime_jusqua(t, ')');
    if (!t.empty()) {
        if (t.front() != '=' || t.size() < 2 || t.size() > 3) return;
        for (char c : t.substr(1)) {
            if (c != '0' && c != '1') return;
            q.justes.push_back(c == '1');
        }
    }
    e.push_back(std::move(q));
}

const std::array<Ligne, 27> lignes_du_journal{{
    {"aleat=", Cle::contenue,
     [](std::string_view& t, Evenements& e) {
         e.push_back(ev::Graine{static_cast<std::uint32_t>(apres_egal(t))});
     }},
    {"bitbtn4click", Cle::egale, commande<ev::UnGene>},
    {"bitbtn5click", Cle::egale, commande<ev::DeuxGenes>},
    {"bitbtn1click", Cle::egale, commande<ev::GenesConfirmes>},
    {"all_okclick", Cle::egale, commande<ev::PhenotypesConfirmes>},
    {"menu_phenoclick", Cle::egale, commande<ev::SaisieDesPhenotypes>},
    {"menu_genoclick", Cle::egale, commande<ev::SaisieDesGenotypes>},
    {"bitbtn8click", Cle::egale, commande<ev::GenotypesConfirmes>},
    {"all_annulclick", Cle::egale, commande<ev::PhenotypesAnnules>},
    {"bitbtn6click", Cle::egale, commande<ev::AllelesMarques>},
    {"bitbtn7click", Cle::egale, commande<ev::AllelesAnnules>},
    {"group_premclick", Cle::contenue,
     [](std::string_view& t, Evenements& e) {
         e.push_back(ev::ChoixGene{1, apres_point(t)});
     }},
    {"group_secclick", Cle::contenue,
     [](std::string_view& t, Evenements& e) {
         e.push_back(ev::ChoixGene{2, apres_point(t)});
     }},
    {"choix_all", Cle::contenue, choix_individu},
    {"prem_alleleclick", Cle::contenue,
     [](std::string_view& t, Evenements& e) {
         e.push_back(ev::ChoixPhenotype{1, apres_point(t)});
     }},
    {"sec_alleleclick", Cle::contenue,
     [](std::string_view& t, Evenements& e) {
         e.push_back(ev::ChoixPhenotype{2, apres_point(t)});
     }},
    {"decal_fratrie", Cle::contenue,
     [](std::string_view& t, Evenements& e) {
         const auto [u, dx] = deux_nombres(t);
         e.push_back(ev::DecalageFratrie{u, dx});
     }},
    {"nb_desc", Cle::contenue,
     [](std::string_view& t, Evenements& e) { e.push_back(ev::NombreDescendants{apres_egal(t)}); }},
    // Before "choix_gen", which its key contains: its cut leaves no key behind.
    {"choix_genotype", Cle::contenue,
     [](std::string_view& t, Evenements& e) {
         const auto [g, k] = deux_nombres(t);
         e.push_back(ev::GenotypeCoche{g, k});
     }},
    {"choix_gen", Cle::contenue,
     [](std::string_view& t, Evenements& e) {
         const auto [g, i] = deux_nombres(t);
         e.push_back(ev::GenotypeChoisi{g, i});
     }},
    {"choix_sexeclick", Cle::contenue,
     [](std::string_view& t, Evenements& e) { e.push_back(ev::ChoixSexe{apres_point(t)}); }},
    {"couleur=", Cle::contenue, couleurs_legende},
    {"ferme_reponsesclick", Cle::egale, commande<ev::ReponsesFermees>},
    {"coche_reponse", Cle::contenue, reponse_cochee},
    {"gametes_chromosome_sexuel", Cle::egale, commande<ev::RegleChromosomeSexuel>},
    {"couples_homme_femme", Cle::egale, commande<ev::RegleCouples>},
    {"question_genotype", Cle::contenue, question_genotype},
}};

static_assert(lignes_du_journal.size() <= 32, "one bit per row");

// The rows whose key begins with each character.
std::array<std::uint32_t, 256> rangs_par_initiale() {
    std::array<std::uint32_t, 256> r{};
    for (std::size_t k = 0; k < lignes_du_journal.size(); ++k)
        r[static_cast<unsigned char>(lignes_du_journal[k].cle[0])] |= std::uint32_t{1} << k;
    return r;
}

// A row's key is absent from what is left of the line when it is absent from the whole line,
// for the cuts only take text off the front: one pass over the line finds the rows worth trying.
std::uint32_t rangs_possibles(std::string_view ligne) {
    static const std::array<std::uint32_t, 256> initiales = rangs_par_initiale();
    std::uint32_t rangs = 0;
    for (std::size_t i = 0; i < ligne.size(); ++i)
        for (std::uint32_t a_voir = initiales[static_cast<unsigned char>(ligne[i])]; a_voir != 0;
             a_voir &= a_voir - 1) {
            const int r = std::countr_zero(a_voir);
            const std::string_view cle = lignes_du_journal[static_cast<std::size_t>(r)].cle;
            if (i + 1 < ligne.size() && ligne[i + 1] == cle[1] && ligne.substr(i).starts_with(cle))
                rangs |= std::uint32_t{1} << r;
        }
    return rangs;
}

} // namespace

std::vector<Evenement> lit_evenements(const std::string& ligne) {
    std::vector<Evenement> evenements;
    lit_evenements(ligne, evenements);
    return evenements;
}

void lit_evenements(const std::string& ligne, std::vector<Evenement>& evenements) {
    evenements.clear();
    // A line with a quote is a comment.
    if (contient(ligne, "'")) return;
    const std::uint32_t rangs = rangs_possibles(ligne);
    if (rangs == 0) return;
    std::string_view t = ligne;
    for (std::uint32_t a_voir = rangs; a_voir != 0; a_voir &= a_voir - 1) {
        const Ligne& l = lignes_du_journal[static_cast<std::size_t>(std::countr_zero(a_voir))];
        const bool reconnue = l.reconnue == Cle::egale ? t == l.cle : contient(t, l.cle);
        if (reconnue) l.lit(t, evenements);
    }
}

} // namespace orvan
