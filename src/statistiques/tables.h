// The children of many families counted per kind of cross: the parents' phenotypes, and
// inside it their genotypes; for each, the children by phenotype and sex.
#pragma once

#include "statistiques/releve.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace orvan {

struct CaseEnfants {
    std::string phenotype; // "[D]"
    Sexe sexe = Sexe::homme;
    bool operator==(const CaseEnfants&) const = default;
    // Written out: the web build's standard library has no <=> for strings.
    bool operator<(const CaseEnfants& autre) const {
        return std::tie(phenotype, sexe) < std::tie(autre.phenotype, autre.sexe);
    }
};

using Comptes = std::map<CaseEnfants, double>;

struct TableCroisement {
    // "[D] × [d]": the father's first, then the mother's.
    std::string phenotypes_parents;
    // "XD,Y × XD,Xd"; empty for the table of the phenotypes alone.
    std::string genotypes_parents;
    int nb_unions = 0;
    Comptes observes;
    // The sum over the unions of their number of children times each cell's probability;
    // empty unless every union's law of the children is known.
    Comptes attendus;
    bool loi_connue = true;
};

// The probability of each cell for one union's children, as the program draws them; nullopt
// when it cannot be given.
using LoiDesEnfants = std::function<std::optional<Comptes>(
    const FamilleReleve&, const IndividuReleve& premier, const IndividuReleve& second)>;

// Per kind of cross in the order first met, the table of the phenotypes followed by one table
// per pair of genotypes.
std::vector<TableCroisement> tables_croisements(const std::vector<FamilleReleve>& familles,
                                                const LoiDesEnfants& loi = {});

// The same tables, the families counted one at a time as they come: many families need not be
// kept.
class CompteCroisements {
  public:
    explicit CompteCroisements(LoiDesEnfants loi = {}) : loi_(std::move(loi)) {}
    void ajoute(const FamilleReleve& f);
    std::vector<TableCroisement> tables() const;

  private:
    LoiDesEnfants loi_;
    std::vector<TableCroisement> tables_;
};

// The total number of children of a table.
double total(const Comptes& c);
// The children per phenotype, both sexes together.
std::map<std::string, double> par_phenotype(const Comptes& c);

} // namespace orvan
