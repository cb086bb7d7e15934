// What a child of two parents can be, with the probability of each outcome: genotype per gene
// and sex. In the program, it is the draw of one child gone through in all its draws; in a
// population, Mendel's transmission.
#pragma once

#include "probabilites/famille_vue.h"

#include "probabilites/rationnel.h"

#include <array>
#include <map>
#include <string>
#include <tuple>

namespace orvan {

// A child: its genotype texts for gene 1 and gene 2 (the second empty with one gene), its sex.
using IssueEnfant = std::tuple<std::string, std::string, Sexe>;
using LoiEnfant = std::map<IssueEnfant, Rationnel>;

// A parent's genotype texts for gene 1 and gene 2 ("" for a gene not in use).
using GenotypesParent = std::array<std::string, 2>;

// The children of the program's crossing, remembered per pair of parents: the draw of one child
// is gone through once for each pair.
class LoiEnfantProgramme {
  public:
    // The rule of the gametes of the family at hand; the laws of each rule are kept.
    void suit(RegleGametes regle) { regle_ = regle; }
    const LoiEnfant& loi(const GenotypesParent& premier, const GenotypesParent& second);

  private:
    RegleGametes regle_ = RegleGametes::un_chromosome_sexuel;
    std::map<std::tuple<RegleGametes, GenotypesParent, GenotypesParent>, LoiEnfant> connues_;
};

} // namespace orvan
