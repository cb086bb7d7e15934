#include "app/commande_statistiques.h"

#include "app/recolte.h"
#include "ground/messages.h"
#include "history/fichier_gen.h"
#include "statistiques/attendus_programme.h"
#include "statistiques/export_csv.h"
#include "statistiques/export_ped.h"
#include "statistiques/rapport.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <ostream>

namespace orvan {

namespace {

struct Options {
    std::vector<std::string> fichiers;
    std::string csv, modele, hypothese;
    std::size_t nouvelles = 0;
    std::optional<std::uint32_t> graine;
};

std::optional<long long> entier(const std::string& texte) {
    try {
        std::size_t fin = 0;
        const long long n = std::stoll(texte, &fin);
        if (fin == texte.size()) return n;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

Texte tel_quel(const std::string& t) {
    return Texte::tel_quel(t);
}

// Reads the options; an empty message means they were read.
Texte lit_options(const std::vector<std::string>& a, Options& o) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        const bool valeur = i + 1 < a.size();
        if (a[i] == "--csv" || a[i] == "--comme" || a[i] == "--hypothese" ||
            a[i] == "--nouvelles" || a[i] == "--graine") {
            if (!valeur) return msg::valeur_manquante.avec({tel_quel(a[i])});
            const std::string& v = a[++i];
            if (a[i - 1] == "--csv")
                o.csv = v;
            else if (a[i - 1] == "--comme")
                o.modele = v;
            else if (a[i - 1] == "--hypothese")
                o.hypothese = v;
            else {
                const auto n = entier(v);
                if (!n || *n < 0 || (a[i - 1] == "--nouvelles" && *n > 1000000))
                    return msg::nombre_invalide.avec({tel_quel(a[i - 1]), tel_quel(v)});
                if (a[i - 1] == "--nouvelles")
                    o.nouvelles = static_cast<std::size_t>(*n);
                else
                    o.graine = static_cast<std::uint32_t>(*n);
            }
        } else if (a[i].rfind("--", 0) == 0) {
            return msg::option_statistiques_inconnue.avec({tel_quel(a[i])});
        } else {
            o.fichiers.push_back(a[i]);
        }
    }
    if (o.nouvelles > 0 && o.modele.empty()) return msg::nouvelles_sans_modele;
    if (o.fichiers.empty() && o.nouvelles == 0) return msg::rien_a_compter;
    return {};
}

// The new families asked for, or a message.
Texte ajoute_nouvelles(Recolteur& recolteur, const Options& o, Recolte& r) {
    const auto lecture = lit_fichier_gen(o.modele);
    if (!lecture) return lecture.erreur;
    const auto lignes = recolteur.lignes_jusqu_aux_fondateurs(*lecture);
    if (lignes.empty()) return msg::fondateurs_sans_enfants.avec({tel_quel(o.modele)});
    const std::uint32_t depart = o.graine ? *o.graine : recolteur.graine_de_l_horloge();
    auto nouvelles = recolteur.nouvelles_familles(lignes, o.nouvelles, depart);
    for (auto& f : nouvelles.familles)
        r.familles.push_back(std::move(f));
    return {};
}

bool ecrit(const std::string& chemin, const std::string& texte) {
    std::ofstream sortie(chemin, std::ios::binary | std::ios::trunc);
    sortie << texte;
    sortie.close();
    return static_cast<bool>(sortie);
}

} // namespace

int commande_statistiques(const std::vector<std::string>& arguments, std::ostream& sortie,
                          std::ostream& erreurs, Langue langue) {
    const auto dit = [&](const Texte& t) {
        erreurs << msg::commande_statistiques.avec({t}).dans(langue) << '\n';
    };
    Options o;
    if (const Texte m = lit_options(arguments, o); !m.francais.empty()) {
        dit(m);
        return 2;
    }
    std::optional<Hypothese> hypothese;
    if (!o.hypothese.empty()) {
        Texte m;
        hypothese = lit_hypothese(o.hypothese, m);
        if (!hypothese) {
            dit(msg::hypothese_illisible.avec({m}));
            return 2;
        }
    }
    Recolteur recolteur;
    Recolte r = recolteur.fichiers(o.fichiers);
    for (const FichierEcarte& e : r.ecartes)
        erreurs << msg::fichier_ecarte.avec({tel_quel(e.chemin), e.raison}).dans(langue) << '\n';
    if (o.nouvelles > 0)
        if (const Texte m = ajoute_nouvelles(recolteur, o, r); !m.francais.empty()) {
            dit(m);
            return 1;
        }
    if (r.familles.empty()) {
        dit(msg::aucune_famille);
        return 1;
    }
    sortie << msg::familles_comptees_resume
                  .avec({tel_quel(std::to_string(r.familles.size())),
                         tel_quel(std::to_string(r.ecartes.size()))})
                  .dans(langue)
           << "\n";
    for (const FichierEcarte& e : r.ecartes)
        sortie << msg::ecarte.avec({tel_quel(e.chemin), e.raison}).dans(langue) << '\n';
    for (const TableCroisement& t : tables_croisements(r.familles, loi_des_enfants_du_programme()))
        sortie << '\n' << rapport_table(t, hypothese).dans(langue);
    if (!o.csv.empty() && !ecrit(o.csv, csv_des_familles(r.familles, langue))) {
        erreurs << msg::creation_impossible.avec({tel_quel(o.csv)}).dans(langue) << '\n';
        return 1;
    }
    return 0;
}

int commande_ped(const std::vector<std::string>& arguments, std::ostream& sortie,
                 std::ostream& erreurs, Langue langue) {
    const auto dit = [&](const Texte& t) {
        erreurs << msg::commande_ped.avec({t}).dans(langue) << '\n';
    };
    if (arguments.empty()) {
        dit(msg::ped_sans_fichier);
        return 2;
    }
    Recolteur recolteur;
    const Recolte r = recolteur.fichiers({arguments[0]});
    if (r.familles.empty()) {
        for (const FichierEcarte& e : r.ecartes)
            erreurs << e.raison.dans(langue) << '\n';
        return 1;
    }
    const FamilleReleve& f = r.familles.front();
    std::size_t gene = 0;
    std::string atteint = f.genes.empty() ? "" : phenotype_atteint_par_defaut(f.genes[0]);
    for (std::size_t i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == "--gene" && (arguments[i + 1] == "1" || arguments[i + 1] == "2")) {
            gene = arguments[i + 1] == "2" ? 1 : 0;
            if (gene < f.genes.size()) atteint = phenotype_atteint_par_defaut(f.genes[gene]);
        } else if (arguments[i] == "--atteint") {
            atteint = arguments[i + 1];
        }
    }
    if (gene >= f.genes.size()) {
        dit(msg::un_seul_gene);
        return 2;
    }
    // Everyone unaffected would be an answer to a question nobody asked.
    const std::vector<std::string>& phenotypes = f.genes[gene].phenotypes;
    if (std::find(phenotypes.begin(), phenotypes.end(), atteint) == phenotypes.end()) {
        std::string liste;
        for (const std::string& p : phenotypes)
            liste += (liste.empty() ? "" : ", ") + p;
        dit(msg::phenotype_inconnu.avec({msg::texte_de_la_banque(f.genes[gene].nom),
                                         Texte::tel_quel(atteint), Texte::tel_quel(liste)}));
        return 2;
    }
    sortie << ped_de_la_famille(f, gene, atteint);
    return 0;
}

} // namespace orvan
