// A click on an individual opens its choice panel; a confirmed choice draws its genotype and
// hands over to the crossing.
#include "pedigree/choix_phenotypes.h"
#include "ground/messages.h"
#include "pedigree/arbre.h"
#include "pedigree/liens_pedigree.h"
#include "ui/textes_controles.h"

#include "ground/texte.h"
#include "regles/gametes.h"

#include <algorithm>

namespace orvan {

namespace {

// The spouse would take number 39 or more, leaving no room for a sibship.
constexpr int dernier_avant_conjoint = 38;

std::array<std::string, 4> gametes_de(const Individu& i) {
    return gametes(i.genotype(1).texte(), i.genotype(2).texte());
}

void preselectionne(RadioGroupe& groupe, const std::string& pheno) {
    groupe.selectionne(-1);
    for (std::size_t i = 0; i < groupe.items.size(); ++i)
        if (avant(pheno, ',') == avant(groupe.items[i], ',') && !pheno.empty())
            groupe.selectionne(static_cast<int>(i));
}

} // namespace

void ChoixPhenotypes::choix_all(int n, Bouton bouton) {
    Pedigree& ped = f.arbre.ped;
    // Only a file can name an individual that is not shown: its place would be stale.
    if (!individu_valide(n) || !f.famille.individu(n).visible || ped.choix_en_cours != 0) return;
    // A refused click writes no line. Only an older program wrote one, when it opened a panel
    // with nothing to offer: its replay opens that panel again, and the family comes back as it
    // was.
    if (bouton != Bouton::gauche && !f.journal.rejeu_en_cours && sans_genotype_a_changer(n)) {
        f.plateforme.avertissement(msg::fondateur_sans_genotype);
        return;
    }
    ped.choix_en_cours = n;
    // A cancel gives back the sex that the individual had when its panel opened.
    ped.sexe_a_l_ouverture = f.famille.individu(n).sexe;
    ecrit(*f.genotypes.panneau, n <= 2 ? msg::genotype_du_fondateur : msg::genotype_du_conjoint,
          f.textes.langue());
    f.genotypes.groupe_nb_descendants->visible = true;
    ped.indiv_saisi = n;
    if (bouton != Bouton::gauche)
        ouvre_changement(n);
    else
        ouvre_choix(n);
}

// A founder whose phenotype shows while a founder has no genotype yet: the change panel offers
// what the founders' gametes make, nothing then. A founder with no phenotype still opens it, for
// its sex.
bool ChoixPhenotypes::sans_genotype_a_changer(int n) const {
    const Famille& fa = f.famille;
    return n <= 2 && !fa.individu(n).phenotype_affiche.empty() &&
           (!fa.individu(1).genotype_donne || !fa.individu(2).genotype_donne);
}

// The panel under individual k's symbol, within the window.
void ChoixPhenotypes::place_sous(Controle& p, int k) {
    const Forme& s = *f.arbre.tab_shape[k];
    p.top = s.bottom() + 5;
    p.left = std::max(5, s.left + s.width / 2 - f.genes.panneau->width / 2);
    if (p.right() > f.fenetre.width - 10) p.left = f.fenetre.width - 10 - p.width;
}

void ChoixPhenotypes::ouvre_changement(int n) {
    Pedigree& ped = f.arbre.ped;
    PanneauGenotypes& g = f.genotypes;
    f.journal.stock_ev(ev::ChoixIndividu{n, true});
    ecrit(*g.panneau, msg::changement_de_genotype, f.textes.langue());
    ped.changement_genotype = true;
    place_sous(*g.panneau, n);
    ped.gam_parent1 = gametes_de(f.famille.individu(1));
    ped.gam_parent2 = gametes_de(f.famille.individu(2));
    g.sexe->top = g.ok->top;
    g.sexe->enabled = f.famille.sexe_modifiable(n);
    g.sexe->selectionne(f.famille.individu(n).sexe == Sexe::homme ? 0 : 1);
    for (int gene = 1; gene <= 2; ++gene)
        g.offre_genotypes(gene, n);
    // "Ok" waits for a genotype of the individual's sex, also when none is offered.
    g.accorde_au_sexe();
    g.cadre(true);
}

void ChoixPhenotypes::ouvre_choix(int n) {
    Pedigree& ped = f.arbre.ped;
    f.genotypes.radio_genotype[1]->selectionne(-1);
    f.genotypes.radio_genotype[2]->selectionne(-1);
    ped.changement_genotype = false;
    ped.indiv_courant = n;
    if (f.famille.dernier_indiv() > 2 && f.famille.dernier_indiv() >= dernier_avant_conjoint) {
        ped.choix_en_cours = 0;
        // A refused click writes no line; an older log that holds one has it refused again,
        // silently.
        if (!f.journal.rejeu_en_cours) f.plateforme.avertissement(msg::famille_complete);
        return;
    }
    f.journal.stock_ev(ev::ChoixIndividu{n, false});
    if (f.famille.dernier_indiv() > 2) {
        f.arbre.ajout_conjoint(n);
        n = f.famille.dernier_indiv();
    }
    place_sous(*panneau, n);
    f.genotypes.panneau->top = panneau->top;
    f.genotypes.panneau->left = panneau->left;
    preselectionne(*premier_phenotype, f.famille.individu(n).phenotype(1));
    preselectionne(*second_phenotype, f.famille.individu(n).phenotype(2));
    affich_all(n);
    f.genotypes.cadre(false);
}

void ChoixPhenotypes::affich_all(int n) {
    std::string texte;
    if (premier_phenotype->index >= 0)
        texte = "[" + avant(premier_phenotype->texte_choisi(), ',') + "]";
    if (f.genes.modele.nb_genes == 2 && second_phenotype->index >= 0) {
        const std::string ajout = "," + avant(second_phenotype->texte_choisi(), ',');
        texte.insert(texte.empty() ? 0 : texte.size() - 1, ajout);
    }
    f.arbre.place_label(n, texte);
    f.arbre.tab_label[n]->visible = true;

    if (f.arbre.ped.mode_saisie == ModeSaisie::phenotypes)
        panneau->visible = true;
    else
        f.genotypes.prepare_saisie(n);
    ok->enabled = false;
    f.genotypes.ok->enabled = false;
}

void ChoixPhenotypes::clic_premier_phenotype() {
    if (f.genes.modele.nb_genes == 1 || second_phenotype->index >= 0) ok->enabled = true;
    f.journal.stock_ev(ev::ChoixPhenotype{1, premier_phenotype->index});
}

void ChoixPhenotypes::clic_second_phenotype() {
    if (premier_phenotype->index >= 0) ok->enabled = true;
    f.journal.stock_ev(ev::ChoixPhenotype{2, second_phenotype->index});
}

void ChoixPhenotypes::change_nb_descendants() {
    f.journal.stock_ev(ev::NombreDescendants{nb_descendants->index});
}

// Draws a genotype of the chosen phenotype that fits the individual's sex. When the table
// offers none, no draw is made and the former genotype stays.
std::optional<Genotype> ChoixPhenotypes::tire_genotype(int m, const std::string& pheno) {
    const ModeleCaracteres& modele = f.genes.modele;
    const std::string cle = "[" + avant(pheno, ',') + "]";
    std::vector<int> candidats;
    for (int k = 1; k <= modele.nb_genotypes; ++k)
        if (modele.phenotype_du_genotype[k] == cle) candidats.push_back(k);
    if (candidats.empty()) return std::nullopt;
    const auto tire = [&] {
        return modele.genotype_texte[candidats[f.alea.tirage_alea(
            static_cast<std::uint32_t>(candidats.size()))]];
    };
    if (!contient(modele.genotype_texte[candidats[0]], "X")) return Genotype::lu(coupe(tire(), 40));
    const bool cercle = f.famille.individu(m).sexe == Sexe::femme;
    const auto convient = [cercle](const std::string& g) {
        return cercle ? compte(g, 'X') >= 2 : compte(g, 'X') == 1;
    };
    if (std::none_of(candidats.begin(), candidats.end(),
                     [&](int k) { return convient(modele.genotype_texte[k]); }))
        return std::nullopt;
    std::string g;
    do
        g = tire();
    while (!convient(g));
    return Genotype::lu(coupe(g, 40));
}

void ChoixPhenotypes::confirme() {
    Pedigree& ped = f.arbre.ped;
    ped.choix_en_cours = 0;
    const int m = ped.indiv_courant;
    if (!individu_valide(m)) {
        panneau->visible = f.genotypes.panneau->visible = false;
        return;
    }
    for (int gene = 1; gene <= 2; ++gene) {
        const RadioGroupe& choix = liste(gene);
        if (choix.index < 0) continue;
        const std::string phenotype = coupe(choix.texte_choisi(), 40);
        f.famille.donne_phenotype(m, gene, phenotype);
        if (auto genotype = tire_genotype(m, phenotype))
            f.famille.donne_genotype(m, gene, std::move(*genotype));
    }
    f.arbre.donne_genotype(m);
    affich_all(m);
    panneau->visible = f.genotypes.panneau->visible = false;
    passe_au_croisement(m);
    f.couleurs.recolore();
    f.journal.stock_ev(ev::PhenotypesConfirmes{});
}

void ChoixPhenotypes::passe_au_croisement(int m) {
    if (m > 2)
        f.arbre.croise_conjoint();
    else if (f.famille.individu(1).genotype_donne && f.famille.individu(2).genotype_donne)
        f.arbre.croise_fondateurs();
}

void ChoixPhenotypes::ferme_choix() {
    Pedigree& ped = f.arbre.ped;
    ped.choix_en_cours = 0;
    panneau->visible = f.genotypes.panneau->visible = false;
    if (f.famille.dernier_indiv() > 2 && !ped.changement_genotype)
        f.arbre.retrait_dernier();
    else
        // A sex chosen in the panel is cancelled too.
        rend_le_sexe_d_ouverture();
    ped.changement_genotype = false;
}

// A founder's choice turned the other founder too: both come back.
void ChoixPhenotypes::rend_le_sexe_d_ouverture() {
    const Pedigree& ped = f.arbre.ped;
    const int k = ped.indiv_saisi;
    if (!individu_valide(k)) return;
    // A sex that may no longer change in a couple is given back to the individual alone.
    if (!ped.couples_homme_femme || !f.famille.change_sexe(k, ped.sexe_a_l_ouverture))
        f.famille.donne_sexe(k, ped.sexe_a_l_ouverture);
    f.arbre.projette_individu(k);
    if (k <= 2) f.arbre.projette_individu(3 - k);
}

void ChoixPhenotypes::annule(bool par_utilisateur) {
    ferme_choix();
    if (par_utilisateur) f.journal.stock_ev(ev::PhenotypesAnnules{});
}

} // namespace orvan
