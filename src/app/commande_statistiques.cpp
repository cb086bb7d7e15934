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
                const long long max = a[i - 1] == "--nouvelles" ? 1000000 : 0xFFFFFFFFLL;
                if (!n || *n < 0 || *n > max)
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

// The families counted as they come, and written to the CSV file when one is asked for: the
// saved families are kept, the new ones never all at once.
class Decompte {
  public:
    Decompte(const std::vector<FamilleReleve>& enregistrees, const std::string& csv, Langue langue)
        : enregistrees_(enregistrees), comptes_(loi_des_enfants_du_programme()), chemin_csv_(csv),
          langue_(langue) {
        for (const FamilleReleve& f : enregistrees)
            comptes_.ajoute(f);
        nb_ = enregistrees.size();
    }
    void ajoute(const FamilleReleve& f) {
        comptes_.ajoute(f);
        ++nb_;
        if (chemin_csv_.empty()) return;
        // The header's columns are for the most genes, which the new families share.
        commence_csv(std::max(nb_genes_max(enregistrees_), f.genes.size()));
        *csv_ << lignes_csv(f, nb_genes_, langue_);
    }
    std::size_t nb_familles() const { return nb_; }
    std::vector<TableCroisement> tables() const { return comptes_.tables(); }
    // False when the CSV file could not be written whole.
    bool termine() {
        if (chemin_csv_.empty()) return true;
        commence_csv(nb_genes_max(enregistrees_));
        csv_->close();
        return static_cast<bool>(*csv_);
    }

  private:
    void commence_csv(std::size_t nb_genes) {
        if (csv_) return;
        csv_.emplace(chemin_csv_, std::ios::binary | std::ios::trunc);
        nb_genes_ = nb_genes;
        *csv_ << entete_csv(nb_genes_, langue_);
        for (const FamilleReleve& f : enregistrees_)
            *csv_ << lignes_csv(f, nb_genes_, langue_);
    }
    const std::vector<FamilleReleve>& enregistrees_;
    CompteCroisements comptes_;
    std::string chemin_csv_;
    Langue langue_;
    std::optional<std::ofstream> csv_;
    std::size_t nb_genes_ = 0, nb_ = 0;
};

// The new families asked for, or a message.
Texte ajoute_nouvelles(Recolteur& recolteur, const Options& o, Decompte& d) {
    const auto lecture = lit_fichier_gen(o.modele);
    if (!lecture) return lecture.erreur;
    const auto lignes = recolteur.lignes_jusqu_aux_fondateurs(*lecture);
    if (lignes.empty()) return msg::fondateurs_sans_enfants.avec({tel_quel(o.modele)});
    const std::uint32_t depart = o.graine ? *o.graine : recolteur.graine_de_l_horloge();
    recolteur.nouvelles_familles(lignes, o.nouvelles, depart,
                                 [&d](const FamilleReleve& f) { d.ajoute(f); });
    return {};
}

struct OptionsPed {
    std::size_t gene = 0;
    std::optional<std::string> atteint;
};

// The options after the file's name; an empty message means they were read.
Texte lit_options_ped(const std::vector<std::string>& a, OptionsPed& o) {
    for (std::size_t i = 1; i < a.size(); ++i) {
        if (a[i] != "--gene" && a[i] != "--atteint")
            return msg::option_statistiques_inconnue.avec({tel_quel(a[i])});
        if (i + 1 == a.size()) return msg::valeur_manquante.avec({tel_quel(a[i])});
        const std::string& v = a[++i];
        if (a[i - 1] == "--atteint")
            o.atteint = v;
        else if (v == "1" || v == "2")
            o.gene = v == "2" ? 1 : 0;
        else
            return msg::nombre_invalide.avec({tel_quel(a[i - 1]), tel_quel(v)});
    }
    return {};
}

bool a_des_phenotypes(const FamilleReleve& f, std::size_t gene) {
    return std::any_of(f.individus.begin(), f.individus.end(), [gene](const IndividuReleve& i) {
        return gene < i.phenotypes.size() && !i.phenotypes[gene].empty();
    });
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
    Decompte d(r.familles, o.csv, langue);
    if (o.nouvelles > 0)
        if (const Texte m = ajoute_nouvelles(recolteur, o, d); !m.francais.empty()) {
            dit(m);
            return 1;
        }
    if (d.nb_familles() == 0) {
        dit(msg::aucune_famille);
        return 1;
    }
    sortie << msg::familles_comptees_resume
                  .avec({tel_quel(std::to_string(d.nb_familles())),
                         tel_quel(std::to_string(r.ecartes.size()))})
                  .dans(langue)
           << "\n";
    for (const FichierEcarte& e : r.ecartes)
        sortie << msg::ecarte.avec({tel_quel(e.chemin), e.raison}).dans(langue) << '\n';
    for (const TableCroisement& t : d.tables())
        sortie << '\n' << rapport_table(t, hypothese).dans(langue);
    if (!d.termine()) {
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
    OptionsPed o;
    if (arguments.empty() || arguments[0].rfind("--", 0) == 0) {
        dit(msg::ped_sans_fichier);
        return 2;
    }
    if (const Texte m = lit_options_ped(arguments, o); !m.francais.empty()) {
        dit(m);
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
    if (o.gene >= f.genes.size()) {
        dit(msg::un_seul_gene);
        return 2;
    }
    if (!a_des_phenotypes(f, o.gene)) {
        dit(msg::ped_sans_phenotypes.avec({tel_quel(arguments[0])}));
        return 1;
    }
    const std::string atteint = o.atteint.value_or(phenotype_atteint_par_defaut(f.genes[o.gene]));
    // Everyone unaffected would be an answer to a question nobody asked.
    const std::vector<std::string>& phenotypes = f.genes[o.gene].phenotypes;
    if (std::find(phenotypes.begin(), phenotypes.end(), atteint) == phenotypes.end()) {
        std::string liste;
        for (const std::string& p : phenotypes)
            liste += (liste.empty() ? "" : ", ") + p;
        dit(msg::phenotype_inconnu.avec({msg::texte_de_la_banque(f.genes[o.gene].nom),
                                         Texte::tel_quel(atteint), Texte::tel_quel(liste)}));
        return 2;
    }
    sortie << ped_de_la_famille(f, o.gene, atteint);
    return 0;
}

} // namespace orvan
