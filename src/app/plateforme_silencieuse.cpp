#include "app/plateforme_silencieuse.h"

#include "ground/texte.h"
#include "ui/fiche.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>

namespace orvan {

Taille PlateformeSilencieuse::mesure(const std::string& texte, const Police& police) const {
    // Seven pixels a character at 9 points, growing with the size; one line high.
    const int largeur_car = std::max(1, police.taille * 7 / 9 + (police.gras ? 1 : 0));
    return {static_cast<int>(nb_caracteres(texte)) * largeur_car, police.taille + 4};
}

void PlateformeSilencieuse::montre_erreur(const BoiteMessage& boite) {
    (sortie_erreurs ? *sortie_erreurs : std::cerr) << boite.texte << '\n';
}

HeureUTC PlateformeSilencieuse::heure_utc() const {
    using namespace std::chrono;
    const auto maintenant = system_clock::now();
    const auto depuis_minuit = maintenant - floor<days>(maintenant);
    const auto ms = duration_cast<milliseconds>(depuis_minuit).count();
    return {static_cast<int>(ms / 3'600'000), static_cast<int>(ms / 60'000 % 60),
            static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)};
}

std::string PlateformeSilencieuse::repertoire_courant() const {
    std::error_code ec;
    return std::filesystem::current_path(ec).string();
}

Capture PlateformeSilencieuse::capture(const Fiche& fenetre) {
    Capture c;
    c.largeur = std::max(0, fenetre.width);
    c.hauteur = std::max(0, fenetre.height);
    const Couleur f = fenetre.fond;
    const std::uint32_t argb = 0xff000000u | (f & 0xffu) << 16 | (f & 0xff00u) | (f >> 16 & 0xffu);
    const auto nb = static_cast<std::size_t>(c.largeur) * static_cast<std::size_t>(c.hauteur);
    c.pixels.assign(nb, argb);
    return c;
}

void PlateformeSilencieuse::montre_modale(Fiche& fenetre, std::function<void()> apres) {
    laisse_tourner(fenetre);
    if (apres) apres();
}

void PlateformeSilencieuse::laisse_tourner(Fiche& fenetre) {
    // Bounded: a timer that never closes its window must not hang the program.
    for (int tour = 0; tour < 10000 && fenetre.visible; ++tour) {
        bool actif = false;
        for (const auto& c : fenetre.composants()) {
            const auto* m = dynamic_cast<const Minuterie*>(c.get());
            if (!m || !m->enabled) continue;
            actif = true;
            m->tic();
            if (!fenetre.visible) return;
        }
        if (!actif) break;
    }
    fenetre.visible = false;
}

} // namespace orvan
