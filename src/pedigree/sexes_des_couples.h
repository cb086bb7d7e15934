// A couple is one man and one woman: the founders from their first genotype on, a spouse from
// its choice, a child once it has a spouse.
#pragma once

namespace orvan {

class Famille;

// Whether individual k's sex may still change: no partner of k's has it fixed.
bool sexe_modifiable(const Famille& famille, int k);
// Individual k takes sex `feminin`; a founder turns the other one to the other sex. Nothing
// changes when k's sex may not.
void change_sexe(Famille& famille, int k, bool feminin);

} // namespace orvan
