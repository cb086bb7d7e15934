// The replay of an event: it goes to the handler of the user's action that wrote it, so that the
// same draws follow. The checks against the family are the handlers'.
#include "app/rejeu_evenements.h"

#include "app/fenetre_principale.h"
#include "ground/position.h"

#include <algorithm>

namespace orvan {

namespace {

bool dans(std::int64_t v, std::int64_t bas, std::int64_t haut) {
    return v >= bas && v <= haut;
}

int vers_int(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, -1'000'000'000, 1'000'000'000));
}

struct Rejeu {
    FenetrePrincipale& f;

    void operator()(const ev::Graine& e) const { f.alea.graine_alea = e.graine; }
    void operator()(const ev::UnGene&) const { f.coquille.monohybridisme(); }
    void operator()(const ev::DeuxGenes&) const { f.coquille.dihybridisme(); }
    void operator()(const ev::ChoixGene& e) const {
        (e.liste == 2 ? f.genes.second_gene : f.genes.premier_gene)->selectionne(vers_int(e.index));
    }
    void operator()(const ev::GenesConfirmes&) const { f.genes.confirme_genes(); }
    void operator()(const ev::ChoixIndividu& e) const {
        if (dans(e.individu, 1, max_individus))
            f.phenotypes.choix_all(static_cast<int>(e.individu),
                                   e.bouton_droit ? Bouton::droit : Bouton::gauche);
    }
    void operator()(const ev::ChoixPhenotype& e) const {
        (e.gene == 2 ? f.phenotypes.second_phenotype : f.phenotypes.premier_phenotype)
            ->selectionne(vers_int(e.index));
    }
    // Set without its handler; cleared when out of the box.
    void operator()(const ev::NombreDescendants& e) const {
        Combo& c = *f.phenotypes.nb_descendants;
        c.index = dans(e.index, 0, static_cast<int>(c.items.size()) - 1) ? vers_int(e.index) : -1;
    }
    void operator()(const ev::PhenotypesConfirmes&) const { f.phenotypes.confirme(); }
    void operator()(const ev::PhenotypesAnnules&) const { f.phenotypes.annule(); }
    void operator()(const ev::SaisieDesPhenotypes&) const {
        f.genotypes.choisit_saisie_phenotypes();
    }
    void operator()(const ev::SaisieDesGenotypes&) const { f.genotypes.choisit_saisie_genotypes(); }
    void operator()(const ev::GenotypeCoche& e) const {
        if (!dans(e.gene, 1, 2) || !dans(e.genotype, 1, max_genotypes_gene)) return;
        f.genotypes.case_genotype[e.gene][e.genotype]->coche(true);
        f.genotypes.radio_genotype[1]->selectionne(static_cast<int>(e.genotype) - 1);
        f.genotypes.choix_genotype(static_cast<int>(e.gene), static_cast<int>(e.genotype));
    }
    void operator()(const ev::GenotypeChoisi& e) const {
        if (dans(e.gene, 1, 2)) f.genotypes.radio_genotype[e.gene]->selectionne(vers_int(e.index));
    }
    void operator()(const ev::ChoixSexe& e) const {
        f.genotypes.sexe->selectionne(vers_int(e.index));
        f.genotypes.change_sexe();
    }
    void operator()(const ev::GenotypesConfirmes&) const { f.genotypes.confirme(); }
    void operator()(const ev::AllelesMarques&) const { f.alleles.marque(); }
    void operator()(const ev::AllelesAnnules&) const { f.alleles.annule(); }
    void operator()(const ev::ReponsesFermees&) const { f.alleles.ferme(); }
    void operator()(const ev::ReponseCochee& e) const {
        if (dans(e.gene, 1, 2) && dans(e.enonce, 1, max_relations))
            f.alleles.case_relation[e.gene][e.enonce]->coche(e.coche);
    }
    void operator()(const ev::RegleCouples&) const { f.arbre.adopte_regle_couples(); }
    void operator()(const ev::RegleChromosomeSexuel&) const {
        f.arbre.adopte_regle_chromosome_sexuel();
    }
    // The log writes shifts as int: a larger number is no shift. Any other one stops at the bound
    // of the positions.
    void operator()(const ev::DecalageFratrie& e) const {
        if (!dans(e.fratrie, 0, max_unions) || !dans(e.decalage, INT32_MIN, INT32_MAX)) return;
        f.arbre.decale_fratrie(static_cast<int>(e.fratrie), static_cast<int>(e.decalage));
        Panel& ligne = *f.arbre.tab_union[e.fratrie];
        ligne.left = decale_borne(ligne.left, e.decalage);
    }
    // The pupil's answers stay in the log for the teacher: the family and the draws are as they
    // were without them.
    void operator()(const ev::QuestionGenotype&) const {}
    void operator()(const ev::CouleursLegende& e) const { f.couleurs.applique_numeros(e.numeros); }
};

} // namespace

void rejoue_evenement(FenetrePrincipale& f, const Evenement& e) {
    std::visit(Rejeu{f}, e);
}

} // namespace orvan
