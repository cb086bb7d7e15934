#include "app/releve_eleve.h"

#include "app/fenetre_principale.h"

#include <algorithm>
#include <filesystem>

namespace orvan {

namespace {

// Every individual shown that has a genotype: a founder or a spouse whose phenotype the pupil
// has not chosen yet is no one of the family.
void compte_individus(const Famille& famille, EleveReleve& e) {
    for (int k = 1; k <= max_individus; ++k) {
        const Individu& i = famille.individu(k);
        if (!i.visible || !i.genotype_donne) continue;
        ++e.individus;
        e.generations = std::max(e.generations, famille.generation(k));
    }
}

void compte_alleles(const FenetrePrincipale& f, EleveReleve& e) {
    const ModeleCaracteres& modele = f.genes.modele;
    for (int g = 1; g <= std::min(modele.nb_genes, 2); ++g)
        for (int i = 1; i <= std::min(modele.nb_relations[g], max_relations); ++i) {
            ++e.enonces;
            if (f.alleles.case_relation[g][i]->checked) ++e.coches;
            const auto marque = f.alleles.marques[g][i];
            if (marque == ExerciceAlleles::Marque::bien) ++e.bien;
            if (marque == ExerciceAlleles::Marque::faux) ++e.faux;
        }
}

} // namespace

EleveReleve releve_eleve(const FenetrePrincipale& f, const std::string& chemin) {
    EleveReleve e;
    e.chemin = chemin;
    e.nom = std::filesystem::path(chemin).stem().string();
    const ModeleCaracteres& modele = f.genes.modele;
    for (int g = 1; g <= std::min(modele.nb_genes, 2); ++g)
        e.genes.push_back(modele.nom_gene[static_cast<std::size_t>(g)]);
    compte_individus(f.famille, e);
    compte_alleles(f, e);
    const auto& lignes = f.journal.lignes();
    e.questions = questions_du_journal(lignes);
    e.reponses_ouvertes = reponses_laissees_ouvertes(lignes);
    return e;
}

} // namespace orvan
