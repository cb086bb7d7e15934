#include "app/familles_comptees.h"

#include "ground/generateur.h"
#include "ground/plateforme.h"
#include "statistiques/attendus_programme.h"

namespace orvan {

FamillesComptees::FamillesComptees(Plateforme& plateforme)
    : plateforme_(plateforme), loi_(loi_des_enfants_du_programme()) {}

FamillesComptees::~FamillesComptees() = default;

Recolteur& FamillesComptees::recolteur() {
    if (!recolteur_) recolteur_ = std::make_unique<Recolteur>();
    return *recolteur_;
}

Ajout FamillesComptees::ajoute_chemins(const std::vector<std::string>& chemins) {
    return ajoute(recolteur().fichiers(chemins, &plateforme_));
}

Ajout FamillesComptees::ajoute_nouvelles_familles(const std::vector<std::string>& journal,
                                                  std::size_t n) {
    const auto lignes = recolteur().lignes_jusqu_aux_fondateurs(journal);
    if (lignes.empty()) return Ajout::sans_fondateurs;
    Generateur horloge;
    horloge.init_alea(plateforme_.heure_utc());
    return ajoute(recolteur().nouvelles_familles(lignes, n, horloge.graine_alea, &plateforme_));
}

Ajout FamillesComptees::ajoute(Recolte r) {
    if (r.interrompue) return Ajout::annule;
    for (auto& famille : r.familles)
        recolte_.familles.push_back(std::move(famille));
    for (auto& e : r.ecartes)
        recolte_.ecartes.push_back(std::move(e));
    tables_ = tables_croisements(recolte_.familles, loi_);
    return Ajout::fait;
}

void FamillesComptees::vide() {
    recolte_ = {};
    tables_.clear();
}

} // namespace orvan
