// The event lines as a table: one row per kind of line, its key, how the key is recognised, and
// what reads its fields and calls its handler. Every row is tried on every line, in the table's
// order, and each row that recognises the line reads its fields from the text that the rows
// before it have left: a row cuts the text as it reads it.
#include "history/rejeu.h"

#include "app/fenetre_principale.h"
#include "history/nombre.h"
#include "ui/texte.h"

#include <algorithm>
#include <array>

namespace orvan {

namespace {

bool dans(std::int64_t v, int bas, int haut) {
    return v >= bas && v <= haut;
}

int vers_int(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, -1'000'000'000, 1'000'000'000));
}

// ".n" after the key.
int apres_point(std::string& t) {
    supprime_jusqua(t, '.');
    return vers_int(lit_nombre(t));
}

// "(a,b)" after the key: the first number before the first ",", the second before the ")".
std::pair<std::int64_t, std::int64_t> deux_nombres(std::string& t) {
    supprime_jusqua(t, '(');
    const std::int64_t a = lit_nombre(avant(t, ','));
    supprime_jusqua(t, ',');
    const std::int64_t b = lit_nombre(avant(t, ')'));
    return {a, b};
}

void graine(FenetrePrincipale& f, std::string& t) {
    supprime_jusqua(t, '=');
    f.alea.graine_alea = static_cast<std::uint32_t>(lit_nombre(t));
}

void choix_individu(FenetrePrincipale& f, std::string& t) {
    supprime_jusqua(t, '(');
    const std::int64_t k = lit_nombre(avant(t, ','));
    supprime_jusqua(t, ',');
    if (dans(k, 1, max_individus))
        f.phenotypes.choix_all(static_cast<int>(k), t == "right)" ? Bouton::droit : Bouton::gauche);
}

void decalage(FenetrePrincipale& f, std::string& t) {
    const auto [u, dx] = deux_nombres(t);
    // The log writes shifts as int: a larger number is no shift. Any other one stops at the
    // bound of the positions.
    if (!dans(u, 0, max_unions) || !dans(dx, INT32_MIN, INT32_MAX)) return;
    f.arbre.decale_fratrie(static_cast<int>(u), static_cast<int>(dx));
    Panel& ligne = *f.arbre.tab_union[u];
    ligne.left = decale_borne(ligne.left, dx);
}

void nombre_descendants(FenetrePrincipale& f, std::string& t) {
    supprime_jusqua(t, '=');
    const std::int64_t item = lit_nombre(t);
    Combo& c = *f.phenotypes.nb_descendants;
    c.index = dans(item, 0, static_cast<int>(c.items.size()) - 1) ? vers_int(item) : -1;
}

void case_genotype(FenetrePrincipale& f, std::string& t) {
    const auto [g, k] = deux_nombres(t);
    if (!dans(g, 1, 2) || !dans(k, 1, max_genotypes_gene)) return;
    f.genotypes.case_genotype[g][k]->coche(true);
    f.genotypes.radio_genotype[1]->selectionne(static_cast<int>(k) - 1);
    f.genotypes.choix_genotype(static_cast<int>(g), static_cast<int>(k));
}

void liste_genotypes(FenetrePrincipale& f, std::string& t) {
    const auto [g, item] = deux_nombres(t);
    if (dans(g, 1, 2)) f.genotypes.radio_genotype[g]->selectionne(vers_int(item));
}

void couleurs_legende(FenetrePrincipale& f, std::string& t) {
    supprime_jusqua(t, '(');
    std::array<int, max_legende + 1> numeros{};
    for (int n = 1; n <= max_legende; ++n) {
        const std::int64_t c = lit_nombre(avant(t, n < max_legende ? ',' : ')'));
        supprime_jusqua(t, ',');
        if (!dans(c, 1, 16)) return;
        numeros[n] = static_cast<int>(c);
    }
    f.couleurs.applique_numeros(numeros);
}

// "(g,i)=v": the tick v of statement i of gene g.
void reponse_cochee(FenetrePrincipale& f, std::string& t) {
    const auto [g, i] = deux_nombres(t);
    supprime_jusqua(t, '=');
    const std::int64_t v = lit_nombre(t);
    if (dans(g, 1, 2) && dans(i, 1, max_relations) && dans(v, 0, 1))
        f.alleles.case_relation[g][i]->coche(v == 1);
}

enum class Cle { egale, contenue };

struct Ligne {
    const char* cle;
    Cle reconnue;
    void (*rejoue)(FenetrePrincipale&, std::string&);
};

const std::array<Ligne, 25> lignes_du_journal{{
    {"aleat=", Cle::contenue, graine},
    {"bitbtn4click", Cle::egale,
     [](FenetrePrincipale& f, std::string&) { f.coquille.monohybridisme(); }},
    {"bitbtn5click", Cle::egale,
     [](FenetrePrincipale& f, std::string&) { f.coquille.dihybridisme(); }},
    {"bitbtn1click", Cle::egale,
     [](FenetrePrincipale& f, std::string&) { f.genes.confirme_genes(); }},
    {"all_okclick", Cle::egale,
     [](FenetrePrincipale& f, std::string&) { f.phenotypes.confirme(); }},
    {"menu_phenoclick", Cle::egale,
     [](FenetrePrincipale& f, std::string&) { f.genotypes.choisit_saisie_phenotypes(); }},
    {"menu_genoclick", Cle::egale,
     [](FenetrePrincipale& f, std::string&) { f.genotypes.choisit_saisie_genotypes(); }},
    {"bitbtn8click", Cle::egale,
     [](FenetrePrincipale& f, std::string&) { f.genotypes.confirme(); }},
    {"all_annulclick", Cle::egale,
     [](FenetrePrincipale& f, std::string&) { f.phenotypes.annule(); }},
    {"bitbtn6click", Cle::egale, [](FenetrePrincipale& f, std::string&) { f.alleles.marque(); }},
    {"bitbtn7click", Cle::egale, [](FenetrePrincipale& f, std::string&) { f.alleles.annule(); }},
    {"group_premclick", Cle::contenue,
     [](FenetrePrincipale& f, std::string& t) {
         f.genes.premier_gene->selectionne(apres_point(t));
     }},
    {"group_secclick", Cle::contenue,
     [](FenetrePrincipale& f, std::string& t) {
         f.genes.second_gene->selectionne(apres_point(t));
     }},
    {"choix_all", Cle::contenue, choix_individu},
    {"prem_alleleclick", Cle::contenue,
     [](FenetrePrincipale& f, std::string& t) {
         f.phenotypes.premier_phenotype->selectionne(apres_point(t));
     }},
    {"sec_alleleclick", Cle::contenue,
     [](FenetrePrincipale& f, std::string& t) {
         f.phenotypes.second_phenotype->selectionne(apres_point(t));
     }},
    {"decal_fratrie", Cle::contenue, decalage},
    {"nb_desc", Cle::contenue, nombre_descendants},
    {"choix_genotype", Cle::contenue, case_genotype},
    {"choix_gen", Cle::contenue, liste_genotypes},
    {"choix_sexeclick", Cle::contenue,
     [](FenetrePrincipale& f, std::string& t) {
         f.genotypes.sexe->selectionne(apres_point(t));
         f.genotypes.change_sexe();
     }},
    {"couleur=", Cle::contenue, couleurs_legende},
    {"ferme_reponsesclick", Cle::egale,
     [](FenetrePrincipale& f, std::string&) { f.alleles.ferme(); }},
    {"coche_reponse", Cle::contenue, reponse_cochee},
    {"gametes_chromosome_sexuel", Cle::egale,
     [](FenetrePrincipale& f, std::string&) { f.arbre.adopte_regle_chromosome_sexuel(); }},
}};

} // namespace

void rejoue_ligne(FenetrePrincipale& f, const std::string& ligne) {
    // A line with a quote is a comment.
    if (contient(ligne, "'")) return;
    std::string t = ligne;
    for (const Ligne& l : lignes_du_journal) {
        const bool reconnue = l.reconnue == Cle::egale ? t == l.cle : contient(t, l.cle);
        if (reconnue) l.rejoue(f, t);
    }
}

} // namespace orvan
