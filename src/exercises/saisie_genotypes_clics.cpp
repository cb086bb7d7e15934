// What the genotype panel's controls do, its confirmation, and the choice of entry mode.
#include "exercises/exercice_alleles.h"
#include "exercises/exercice_genotypes.h"
#include "exercises/liens_exercices.h"
#include "exercises/saisie_genotypes.h"

#include "exercises/saisie_genotypes_etiquette.h"
#include "ground/texte.h"

#include <algorithm>

namespace orvan {

// A gene whose list has no selection keeps its genotype.
void SaisieGenotypes::prend_genotypes(int k) {
    for (int g = 1; g <= 2; ++g)
        if (const Genotype* choisi = genotype_choisi(g)) f.famille.donne_genotype(k, g, *choisi);
}

void SaisieGenotypes::choisit_saisie_phenotypes() {
    f.arbre.change_mode_saisie(ModeSaisie::phenotypes);
    f.journal.stock_ev(ev::SaisieDesPhenotypes{});
}

void SaisieGenotypes::choisit_saisie_genotypes() {
    f.arbre.change_mode_saisie(ModeSaisie::genotypes);
    f.journal.stock_ev(ev::SaisieDesGenotypes{});
}

// A genotype greyed for the sex chosen is no choice.
void SaisieGenotypes::regle_ok() {
    const auto choisi = [](const RadioGroupe& r) { return r.index >= 0 && r.item_actif(r.index); };
    const bool premier = choisi(*radio_genotype[1]);
    const bool second = choisi(*radio_genotype[2]);
    const int nb_genes = f.modele.nb_genes;
    ok->enabled = (nb_genes == 1 && premier != second) || (nb_genes == 2 && premier && second);
}

void SaisieGenotypes::stock_ch_gen(int g, int i) {
    f.journal.stock_ev(ev::GenotypeChoisi{g, i});
    regle_ok();
}

// Each untick runs the handler of the box unticked, which unticks the others in turn.
void SaisieGenotypes::choix_genotype(int g, int k) {
    if (g < 1 || g > 2) return;
    const int n = std::min(f.modele.nb_genotypes_gene[g], max_genotypes_gene);
    for (int i = 1; i <= n; ++i)
        if (i != k) case_genotype[g][i]->coche(false);
    regle_ok();
}

// The panel is open, so the request to open it again for the individual clicked is turned
// down; saved files rely on that request.
void SaisieGenotypes::change_sexe() {
    const int n = individu_entre();
    if (individu_valide(n)) {
        const Sexe choisi = sexe->index == 1 ? Sexe::femme : Sexe::homme;
        // The panel's opening chooses the sex the individual has: only a change needs the rule.
        if (!f.journal.rejeu_en_cours && choisi != f.famille.individu(n).sexe)
            f.arbre.adopte_regle_couples();
        if (f.arbre.ped.couples_homme_femme)
            f.famille.change_sexe(n, choisi);
        else
            f.famille.donne_sexe(n, choisi);
        sexe->index = f.famille.individu(n).sexe == Sexe::homme ? 0 : 1;
        f.arbre.projette_individu(n);
        if (n <= 2) f.arbre.projette_individu(3 - n);
    }
    accorde_au_sexe();
    cadre(false);
    f.journal.stock_ev(ev::ChoixSexe{sexe->index});
    f.phenotypes.choix_all(f.arbre.ped.indiv_saisi, Bouton::droit);
}

// The phenotype panel's box is the one the crossing reads.
void SaisieGenotypes::change_nb_descendants() {
    Combo& lu = *f.phenotypes.nb_descendants;
    lu.index = nb_descendants->index;
    f.journal.stock_ev(ev::NombreDescendants{lu.index});
}

void SaisieGenotypes::etiquette_phenotype(int k) {
    const Individu& i = f.famille.individu(k);
    f.famille.montre_phenotype(
        k, orvan::etiquette_phenotype(f.modele, i.genotype(1).texte(), i.genotype(2).texte()));
    f.arbre.tab_label[k]->set_caption(i.phenotype_affiche);
}

void SaisieGenotypes::confirme() {
    f.arbre.ped.choix_en_cours = 0;
    if (!f.arbre.ped.changement_genotype)
        confirme_saisie();
    else
        confirme_changement();
}

void SaisieGenotypes::confirme_saisie() {
    const int m = f.arbre.ped.indiv_courant;
    panneau->visible = false;
    if (individu_valide(m)) {
        prend_genotypes(m);
        f.famille.marque_genotype_saisi(m);
        f.arbre.donne_genotype(m);
        etiquette_phenotype(m);
        f.arbre.place_label(m, f.famille.individu(m).phenotype_affiche);
        f.phenotypes.passe_au_croisement(m);
    }
    f.couleurs.recolore();
    f.journal.stock_ev(ev::GenotypesConfirmes{});
}

// The label keeps its place and its hint: only the symbol tells the new genotype.
void SaisieGenotypes::confirme_changement() {
    const int m = f.arbre.ped.indiv_saisi;
    f.journal.stock_ev(ev::GenotypesConfirmes{});
    if (individu_valide(m)) {
        prend_genotypes(m);
        f.famille.marque_genotype_change(m);
        f.arbre.projette_individu(m);
        etiquette_phenotype(m);
    }
    panneau->visible = false;
    f.couleurs.recolore();
}

} // namespace orvan
