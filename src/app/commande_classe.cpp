#include "app/commande_classe.h"

#include "app/recolte.h"
#include "ground/messages.h"

#include <fstream>
#include <ostream>

namespace orvan {

namespace {

struct Options {
    std::vector<std::string> chemins;
    std::string csv;
};

// Reads the options; an empty message means they were read.
Texte lit_options(const std::vector<std::string>& a, Options& o) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--csv") {
            if (i + 1 == a.size()) return msg::valeur_manquante.avec({Texte::tel_quel(a[i])});
            o.csv = a[++i];
        } else if (a[i].rfind("--", 0) == 0) {
            return msg::option_classe_inconnue.avec({Texte::tel_quel(a[i])});
        } else {
            o.chemins.push_back(a[i]);
        }
    }
    return o.chemins.empty() ? msg::aucun_fichier_classe : Texte();
}

bool ecrit(const std::string& chemin, const std::string& texte) {
    std::ofstream sortie(chemin, std::ios::binary | std::ios::trunc);
    sortie << texte;
    sortie.close();
    return static_cast<bool>(sortie);
}

} // namespace

int commande_classe(const std::vector<std::string>& arguments, std::ostream& sortie,
                    std::ostream& erreurs, Langue langue) {
    const auto dit = [&](const Texte& t) {
        erreurs << msg::commande_classe.avec({t}).dans(langue) << '\n';
    };
    Options o;
    if (const Texte m = lit_options(arguments, o); !m.francais.empty()) {
        dit(m);
        return 2;
    }
    Recolteur recolteur;
    const RecolteClasse r = recolteur.classe(o.chemins);
    for (const FichierEcarte& e : r.ecartes)
        erreurs << msg::fichier_ecarte.avec({Texte::tel_quel(e.chemin), e.raison}).dans(langue)
                << '\n';
    if (r.eleves.empty()) {
        dit(msg::aucun_eleve);
        return 1;
    }
    sortie << texte_de_la_classe(r.eleves, langue);
    if (!o.csv.empty() && !ecrit(o.csv, csv_de_la_classe(r.eleves, langue))) {
        erreurs << msg::creation_impossible.avec({Texte::tel_quel(o.csv)}).dans(langue) << '\n';
        return 1;
    }
    return 0;
}

} // namespace orvan
