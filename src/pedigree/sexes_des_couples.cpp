#include "pedigree/sexes_des_couples.h"

#include "famille/famille.h"

namespace orvan {

bool sexe_modifiable(const Famille& famille, int k) {
    if (k == 1 || k == 2) return !famille.individu(3 - k).genotype_donne;
    return famille.conjoints(k).empty();
}

void change_sexe(Famille& famille, int k, bool feminin) {
    if (!sexe_modifiable(famille, k)) return;
    famille.individu(k).sexe = feminin ? Sexe::femme : Sexe::homme;
    if (k == 1 || k == 2) famille.individu(3 - k).sexe = feminin ? Sexe::homme : Sexe::femme;
}

} // namespace orvan
