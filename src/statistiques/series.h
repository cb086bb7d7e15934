// The figures behind the plots: the running proportion of a phenotype as families accumulate,
// and the calibration of the carrier probabilities shown against what the hidden genotypes were.
#pragma once

#include "statistiques/releve.h"

#include <string>
#include <vector>

namespace orvan {

// After each family, the fraction of all children so far (individuals with parents) that show
// the phenotype ("[d]"); families without children add no point.
std::vector<double> proportion_courante(const std::vector<FamilleReleve>& familles,
                                        const std::string& phenotype);

struct GroupeCalibration {
    std::string fraction; // the probability as shown, "2/3"
    double probabilite = 0;
    int individus = 0;
    int porteurs = 0; // of them, those whose hidden genotype is a carrier's
    double frequence() const { return individus ? double(porteurs) / individus : 0; }
};

// For the gene of that name, in every family that has it, the individuals grouped by the
// carrier probability shown, in the order of the probabilities.
std::vector<GroupeCalibration> calibration(const std::vector<FamilleReleve>& familles,
                                           const std::string& gene);
// The genes of the families, each once, in the order first met.
std::vector<std::string> genes_des_familles(const std::vector<FamilleReleve>& familles);

} // namespace orvan
