#include "probabilites/loi_enfant.h"

#include "probabilites/parcours_tirages.h"
#include "regles/gametes.h"
#include "regles/tirage_enfant.h"

namespace orvan {

const LoiEnfant& LoiEnfantProgramme::loi(const GenotypesParent& premier,
                                         const GenotypesParent& second) {
    const auto cle = std::make_tuple(regle_, premier, second);
    if (const auto it = connues_.find(cle); it != connues_.end()) return it->second;
    const auto gametes1 = gametes(premier[0], premier[1], regle_);
    const auto gametes2 = gametes(second[0], second[1], regle_);
    const std::function<IssueEnfant(const Tirage&)> tire = [&](const Tirage& tirage) {
        const Enfant e = tire_enfant(gametes1, gametes2, tirage);
        return IssueEnfant{e.geno1, e.geno2, e.sexe == Sexe::homme ? Sexe::homme : Sexe::femme};
    };
    return connues_.emplace(cle, loi_des_issues(tire)).first->second;
}

} // namespace orvan
