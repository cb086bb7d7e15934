// A log line read as a table: one row per kind of line, its key, how the key is recognised, and
// what reads its fields. Every row is tried on every line, in the table's order, and each row
// that recognises the line reads its fields from the text that the rows before it have left: a
// row cuts the text as it reads it. Saved files of every age were read this way, damaged lines
// included, so the order of the rows and their cuts are part of the format.
#include "history/evenement.h"
#include "history/nombre.h"
#include "ui/texte.h"

#include <array>

namespace orvan {

namespace {

using Evenements = std::vector<Evenement>;

// ".n" after the key.
std::int64_t apres_point(std::string& t) {
    supprime_jusqua(t, '.');
    return lit_nombre(t);
}

// "=n" after the key.
std::int64_t apres_egal(std::string& t) {
    supprime_jusqua(t, '=');
    return lit_nombre(t);
}

// "(a,b)" after the key: the first number before the first ",", the second before the ")".
std::pair<std::int64_t, std::int64_t> deux_nombres(std::string& t) {
    supprime_jusqua(t, '(');
    const std::int64_t a = lit_nombre(avant(t, ','));
    supprime_jusqua(t, ',');
    const std::int64_t b = lit_nombre(avant(t, ')'));
    return {a, b};
}

// The button is the right one only when exactly "right)" follows the comma.
void choix_individu(std::string& t, Evenements& e) {
    supprime_jusqua(t, '(');
    const std::int64_t k = lit_nombre(avant(t, ','));
    supprime_jusqua(t, ',');
    e.push_back(ev::ChoixIndividu{k, t == "right)"});
}

// A colour out of 1..16 leaves the whole line without effect.
void couleurs_legende(std::string& t, Evenements& e) {
    supprime_jusqua(t, '(');
    ev::CouleursLegende c{};
    for (int n = 1; n <= max_legende; ++n) {
        const std::int64_t numero = lit_nombre(avant(t, n < max_legende ? ',' : ')'));
        supprime_jusqua(t, ',');
        if (numero < 1 || numero > 16) return;
        c.numeros[n] = static_cast<int>(numero);
    }
    e.push_back(c);
}

enum class Cle { egale, contenue };

struct Ligne {
    const char* cle;
    Cle reconnue;
    void (*lit)(std::string&, Evenements&);
};

template <class E> void commande(std::string&, Evenements& e) {
    e.push_back(E{});
}

// "(g,i)=v": a tick is 1, an untick 0; any other value is no tick.
void reponse_cochee(std::string& t, Evenements& e) {
    const auto [g, i] = deux_nombres(t);
    const std::int64_t v = apres_egal(t);
    if (v == 0 || v == 1) e.push_back(ev::ReponseCochee{g, i, v == 1});
}

const std::array<Ligne, 25> lignes_du_journal{{
    {"aleat=", Cle::contenue,
     [](std::string& t, Evenements& e) {
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
     [](std::string& t, Evenements& e) {
         e.push_back(ev::ChoixGene{1, apres_point(t)});
     }},
    {"group_secclick", Cle::contenue,
     [](std::string& t, Evenements& e) {
         e.push_back(ev::ChoixGene{2, apres_point(t)});
     }},
    {"choix_all", Cle::contenue, choix_individu},
    {"prem_alleleclick", Cle::contenue,
     [](std::string& t, Evenements& e) {
         e.push_back(ev::ChoixPhenotype{1, apres_point(t)});
     }},
    {"sec_alleleclick", Cle::contenue,
     [](std::string& t, Evenements& e) {
         e.push_back(ev::ChoixPhenotype{2, apres_point(t)});
     }},
    {"decal_fratrie", Cle::contenue,
     [](std::string& t, Evenements& e) {
         const auto [u, dx] = deux_nombres(t);
         e.push_back(ev::DecalageFratrie{u, dx});
     }},
    {"nb_desc", Cle::contenue,
     [](std::string& t, Evenements& e) { e.push_back(ev::NombreDescendants{apres_egal(t)}); }},
    // Before "choix_gen", which its key contains: its cut leaves no key behind.
    {"choix_genotype", Cle::contenue,
     [](std::string& t, Evenements& e) {
         const auto [g, k] = deux_nombres(t);
         e.push_back(ev::GenotypeCoche{g, k});
     }},
    {"choix_gen", Cle::contenue,
     [](std::string& t, Evenements& e) {
         const auto [g, i] = deux_nombres(t);
         e.push_back(ev::GenotypeChoisi{g, i});
     }},
    {"choix_sexeclick", Cle::contenue,
     [](std::string& t, Evenements& e) { e.push_back(ev::ChoixSexe{apres_point(t)}); }},
    {"couleur=", Cle::contenue, couleurs_legende},
    {"ferme_reponsesclick", Cle::egale, commande<ev::ReponsesFermees>},
    {"coche_reponse", Cle::contenue, reponse_cochee},
    {"gametes_chromosome_sexuel", Cle::egale, commande<ev::RegleChromosomeSexuel>},
}};

} // namespace

std::vector<Evenement> lit_evenements(const std::string& ligne) {
    std::vector<Evenement> evenements;
    // A line with a quote is a comment.
    if (contient(ligne, "'")) return evenements;
    std::string t = ligne;
    for (const Ligne& l : lignes_du_journal) {
        const bool reconnue = l.reconnue == Cle::egale ? t == l.cle : contient(t, l.cle);
        if (reconnue) l.lit(t, evenements);
    }
    return evenements;
}

} // namespace orvan
