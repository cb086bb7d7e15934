// A child's genotype given its parents', for the peeling: Mendel's for a population, the
// program's own crossing otherwise.
#pragma once

#include "probabilites/elimination.h"
#include "probabilites/espace_genotypes.h"
#include "probabilites/loi_enfant.h"

#include <map>
#include <tuple>
#include <vector>

namespace orvan {

class TransmissionPopulation : public Transmission {
  public:
    TransmissionPopulation(const EspaceGene& gene, const std::vector<Sexe>& sexes)
        : gene_(gene), sexes_(sexes) {}
    const Loi& enfant(const UnionArbre& u, int a, int b, Sexe sexe) override;

  private:
    const EspaceGene& gene_;
    const std::vector<Sexe>& sexes_;
    std::map<std::tuple<int, int, Sexe, Sexe, Sexe>, Loi> connues_;
};

// The program's children, given their sex: the locus's genes read from the parents' genotypes
// a and b, a gene outside the locus from each parent's reference genotype (which does not
// change the result when the genes are apart).
class TransmissionProgramme : public Transmission {
  public:
    TransmissionProgramme(const std::vector<EspaceGene>& espaces, std::vector<int> genes,
                          std::vector<GenotypesParent> references, LoiEnfantProgramme& lois)
        : espaces_(espaces), genes_(std::move(genes)), references_(std::move(references)),
          lois_(lois) {}
    const Loi& enfant(const UnionArbre& u, int a, int b, Sexe sexe) override;

  private:
    GenotypesParent textes(int individu, int etat) const;
    int nb_etats() const;

    const std::vector<EspaceGene>& espaces_;
    std::vector<int> genes_;
    std::vector<GenotypesParent> references_;
    LoiEnfantProgramme& lois_;
    std::map<std::tuple<int, int, int, int, Sexe>, Loi> connues_;
};

// The program's crossing, given a child's sex, gives the two genes apart: for every union and
// every pair of parents' genotypes that what the pupil sees allows, the child's two genotypes
// are independent, and each depends on its own gene's parents' genotypes only. possibles: per
// gene, per individual, the genotypes allowed.
bool genes_independants(const std::vector<EspaceGene>& espaces,
                        const std::vector<UnionArbre>& unions,
                        const std::vector<std::vector<std::vector<int>>>& possibles,
                        LoiEnfantProgramme& lois);

} // namespace orvan
