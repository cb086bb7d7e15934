#include "fenetre_fuzz.h"

namespace orvan::fuzz {

FenetreFuzz::FenetreFuzz() {
    f.coquille.demarre();
    f.coquille.sequence_demarrage();
}

} // namespace orvan::fuzz
