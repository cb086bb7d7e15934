#include "statistiques/attendus_programme.h"

namespace orvan {

LoiDesEnfants loi_des_enfants_du_programme() {
    return {};
}

void ajoute_probabilites_porteur(FamilleReleve&) {}

} // namespace orvan
