// The probability of every genotype of every individual, given what the pupil sees of the
// family: the phenotypes shown, the sexes, the genotypes entered or changed by hand.
#pragma once

#include "probabilites/a_priori.h"
#include "probabilites/espace_genotypes.h"
#include "probabilites/famille_vue.h"
#include "probabilites/loi_enfant.h"

#include "probabilites/rationnel.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvan {

struct ProbabiliteGenotype {
    std::string genotype; // "XD,Xd": one text for both orders
    Rationnel probabilite;
};

struct ProbabilitesIndividu {
    int numero = 0;
    // Per gene, the genotypes of non-zero probability, in the order of the gene's table.
    std::vector<std::vector<ProbabiliteGenotype>> genes;
};

// What is forgotten while looking for the cause of a contradiction.
struct Oubli {
    int individu = -1, gene = 0;
    bool genotype = true;
};

// When what the family shows cannot be: the first individual whose entered genotype, or else
// whose phenotype, once forgotten, makes the family possible again.
struct Contradiction {
    int numero = 0;
    int gene = 0;         // 1 or 2, as the family numbers its genes; 0 when no one is named
    bool genotype = true; // its entered genotype, or else its phenotype
    std::string texte;    // the genotype or the phenotype in question
};

struct ColonneBayes {
    std::string genotype;
    Rationnel a_priori, conditionnelle, jointe, a_posteriori;
};

struct ResultatProbabilites {
    std::vector<ProbabilitesIndividu> individus;
    std::optional<Contradiction> contradiction;
};

struct ReglagesProbabilites {
    APriori a_priori = APriori::programme;
    // Per gene name; a gene without a frequency for each of its alleles has them equally
    // frequent.
    std::map<std::string, FrequencesGene> frequences;
};

class MoteurProbabilites {
  public:
    // famille: every parent in it, and no loop (std::invalid_argument otherwise); lois: the
    // program's children, kept between calls (the draw of a child is gone through once per pair of
    // parents).
    MoteurProbabilites(const FamilleVue& famille, const ReglagesProbabilites& reglages,
                       LoiEnfantProgramme& lois);
    ~MoteurProbabilites();

    ResultatProbabilites calcule();
    // One individual and one gene (1 or 2): prior, conditional, joint and posterior of each
    // genotype the prior allows. Empty when the family contradicts itself.
    std::vector<ColonneBayes> table_bayes(int numero, int gene);

    const EspaceGene& espace(int gene) const { return espaces_[gene]; }

  private:
    struct Locus;
    struct Vu;
    // Per gene, per individual: the genotypes still possible.
    using Possibles = std::vector<std::vector<std::vector<int>>>;
    std::vector<GenotypesParent> textes_possibles(const Possibles& possibles, int i) const;
    void elague(Possibles& possibles);
    Vu ce_qui_est_vu(const Oubli& oubli) const;
    Possibles genotypes_permis(const Vu& vu) const;
    void exclut_les_elagues(Vu& vu, const Possibles& possibles) const;
    std::vector<GenotypesParent> references(const Possibles& possibles) const;
    std::vector<std::vector<int>> groupes_de_genes(const Possibles& possibles);
    std::unique_ptr<Locus> cree_locus(const std::vector<int>& genes, const Vu& vu,
                                      const std::vector<GenotypesParent>& references);
    // The loci of the family with what is seen, one fact of it forgotten (none by default).
    void prepare(const Oubli& oubli);
    bool possible();
    std::optional<Contradiction> cherche_contradiction();

    FamilleVue famille_;
    ReglagesProbabilites reglages_;
    LoiEnfantProgramme& lois_;
    std::vector<UnionArbre> unions_;
    std::map<int, int> index_; // individual's number -> its place
    std::vector<EspaceGene> espaces_;
    std::vector<std::unique_ptr<Locus>> loci_;
    bool lies_ = false;
};

// The carrier's probability (heterozygous with an allele the phenotype hides, or a woman
// carrying an X-linked allele she does not show).
Rationnel probabilite_porteur(const EspaceGene& gene, const std::vector<ProbabiliteGenotype>& l);

} // namespace orvan
