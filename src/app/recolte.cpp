#include "app/recolte.h"

#include "app/fenetre_principale.h"
#include "app/plateforme_silencieuse.h"
#include "app/releve_eleve.h"
#include "app/releve_famille.h"
#include "ground/messages.h"
#include "ground/progression.h"
#include "history/evenement.h"
#include "history/fichier_gen.h"
#include "probabilites/loi_enfant.h"
#include "statistiques/graines.h"

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <utility>

namespace orvan {

namespace {

namespace fs = std::filesystem;

bool est_gen(const fs::path& p) {
    std::string ext = p.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return ext == ".gen";
}

void ajoute_du_dossier(const fs::path& dossier, Trouvailles& t);

// One entry of a folder: a family's file is kept, whatever else bears the name of one is set
// aside with its reason, and a subfolder is walked (a link to a folder is not: it may loop).
void ajoute_l_entree(const fs::directory_entry& entree, Trouvailles& t) {
    std::error_code ec;
    const std::string chemin = entree.path().string();
    if (entree.is_directory(ec) && !entree.is_symlink(ec)) {
        ajoute_du_dossier(entree.path(), t);
        return;
    }
    if (!est_gen(entree.path())) return;
    const fs::file_status etat = entree.status(ec);
    if (ec || !fs::exists(etat))
        t.ecartes.push_back({chemin, msg::lien_sans_fichier});
    else if (fs::is_regular_file(etat))
        t.fichiers.push_back(chemin);
    else if (!fs::is_directory(etat))
        t.ecartes.push_back({chemin, msg::pas_un_fichier_ordinaire});
}

void ajoute_du_dossier(const fs::path& dossier, Trouvailles& t) {
    std::error_code ec;
    fs::directory_iterator it(dossier, ec);
    for (const fs::directory_iterator fin; !ec && it != fin; it.increment(ec))
        ajoute_l_entree(*it, t);
    if (ec) t.ecartes.push_back({dossier.string(), msg::dossier_illisible});
}

bool porte_une_graine(const std::string& ligne) {
    return ligne_contient<ev::Graine>(ligne);
}

// One step a family, on the platform asked for. The headless window's replay of each family
// asks it too, as its lines go: one long family must not keep the user waiting for the cancel.
class Avance {
  public:
    Avance(Plateforme* montre, const Texte& texte, std::size_t total,
           PlateformeSilencieuse& sans_fenetre)
        : sans_fenetre_(sans_fenetre) {
        if (!montre) return;
        progression_.emplace(*montre, texte, total, true, 1);
        sans_fenetre_.poursuite = [this] { return progression_->poursuit(); };
    }
    ~Avance() { sans_fenetre_.poursuite = nullptr; }
    Avance(const Avance&) = delete;
    Avance& operator=(const Avance&) = delete;
    // Before each family: the one before it is done.
    bool encore() {
        if (!progression_) return true;
        return std::exchange(premiere_, false) ? progression_->poursuit() : progression_->avance();
    }
    bool annulee() const { return progression_ && progression_->annulee(); }

  private:
    PlateformeSilencieuse& sans_fenetre_;
    std::optional<Progression> progression_;
    bool premiere_ = true;
};

} // namespace

std::optional<std::int32_t> graine_du_journal(const std::vector<std::string>& lignes) {
    for (const std::string& l : lignes)
        for (const Evenement& e : lit_evenements(l))
            if (const auto* g = std::get_if<ev::Graine>(&e))
                return static_cast<std::int32_t>(g->graine);
    return std::nullopt;
}

Trouvailles fichiers_des_chemins(const std::vector<std::string>& chemins) {
    Trouvailles r;
    for (const std::string& c : chemins) {
        std::error_code ec;
        if (fs::is_directory(c, ec)) {
            Trouvailles dedans;
            ajoute_du_dossier(c, dedans);
            std::sort(dedans.fichiers.begin(), dedans.fichiers.end());
            r.fichiers.insert(r.fichiers.end(), dedans.fichiers.begin(), dedans.fichiers.end());
            for (auto& e : dedans.ecartes)
                r.ecartes.push_back(std::move(e));
        } else {
            r.fichiers.push_back(c);
        }
    }
    return r;
}

Recolteur::Recolteur()
    : plateforme_(std::make_unique<PlateformeSilencieuse>()),
      fenetre_(std::make_unique<FenetrePrincipale>(*plateforme_)),
      lois_(std::make_unique<LoiEnfantProgramme>()) {
    fenetre_->coquille.demarre();
    fenetre_->coquille.sequence_demarrage();
}

Recolteur::~Recolteur() = default;

std::uint32_t Recolteur::graine_de_l_horloge() {
    Generateur g;
    g.init_alea(plateforme_->heure_utc());
    return g.graine_alea;
}

bool Recolteur::rejoue(std::vector<std::string> lignes) {
    FenetrePrincipale& f = *fenetre_;
    f.journal.lignes() = std::move(lignes);
    // A log that does not start with its gene set-up replays onto the start-up's family, as
    // it would in a window just opened, never onto the family read before it.
    if (!f.journal.commence_par_mise_en_place()) {
        auto gardees = std::move(f.journal.lignes());
        f.coquille.sequence_demarrage();
        f.journal.lignes() = std::move(gardees);
    }
    Progression p(*plateforme_, msg::reconstruction_famille, f.journal.lignes().size(), true);
    return f.historique.rejoue_journal(p);
}

FamilleReleve Recolteur::releve(const std::string& source, std::int32_t graine) {
    FamilleReleve r = releve_famille(*fenetre_, source, graine);
    ajoute_probabilites_porteur(r, *fenetre_, *lois_);
    return r;
}

std::vector<std::string>
Recolteur::lignes_jusqu_aux_fondateurs(const std::vector<std::string>& journal) {
    for (std::size_t n = 1; n <= journal.size(); ++n) {
        rejoue({journal.begin(), journal.begin() + static_cast<std::ptrdiff_t>(n)});
        if (fenetre_->famille.nb_unions() == 0) continue;
        // A seed line further down would give every new family the same draws from there on.
        std::vector<std::string> r;
        std::copy_if(journal.begin(), journal.begin() + static_cast<std::ptrdiff_t>(n),
                     std::back_inserter(r),
                     [](const std::string& l) { return !porte_une_graine(l); });
        return r;
    }
    return {};
}

// Each file replayed in turn, or set aside with its reason; false once the user cancelled, also
// in the middle of one family's replay.
bool Recolteur::parcourt(const std::vector<std::string>& chemins, Plateforme* montre,
                         std::vector<FichierEcarte>& ecartes,
                         const std::function<void(const std::string&, std::int32_t)>& lu) {
    auto [fichiers, introuvables] = fichiers_des_chemins(chemins);
    ecartes.insert(ecartes.end(), introuvables.begin(), introuvables.end());
    Avance avance(montre, msg::lecture_des_familles, fichiers.size(), *plateforme_);
    for (const std::string& fichier : fichiers) {
        if (!avance.encore()) return false;
        auto lecture = lit_fichier_gen(fichier);
        if (!lecture) {
            ecartes.push_back({fichier, lecture.erreur});
            continue;
        }
        const auto graine = graine_du_journal(*lecture);
        // A text without a seed is no family: its replay would draw from wherever the
        // generator stood.
        if (!graine) {
            ecartes.push_back({fichier, msg::pas_une_famille});
            continue;
        }
        if (!rejoue(std::move(*lecture))) break;
        lu(fichier, *graine);
    }
    return !avance.annulee();
}

Recolte Recolteur::fichiers(const std::vector<std::string>& chemins, Plateforme* montre) {
    Recolte r;
    r.interrompue =
        !parcourt(chemins, montre, r.ecartes, [&](const std::string& fichier, std::int32_t graine) {
            r.familles.push_back(releve(fichier, graine));
        });
    return r;
}

RecolteClasse Recolteur::classe(const std::vector<std::string>& chemins, Plateforme* montre) {
    RecolteClasse r;
    r.interrompue =
        !parcourt(chemins, montre, r.ecartes, [&](const std::string& fichier, std::int32_t) {
            r.eleves.push_back(releve_eleve(*fenetre_, fichier));
        });
    return r;
}

Recolte Recolteur::nouvelles_familles(const std::vector<std::string>& lignes, std::size_t n,
                                      std::uint32_t depart, Plateforme* montre) {
    Recolte r;
    r.familles.reserve(n);
    r.interrompue = !nouvelles_familles(
        lignes, n, depart, [&r](FamilleReleve f) { r.familles.push_back(std::move(f)); }, montre);
    return r;
}

bool Recolteur::nouvelles_familles(const std::vector<std::string>& lignes, std::size_t n,
                                   std::uint32_t depart,
                                   const std::function<void(FamilleReleve)>& recoit,
                                   Plateforme* montre) {
    Avance avance(montre, msg::nouvelles_familles_en_cours, n, *plateforme_);
    for (std::size_t i = 0; i < n && avance.encore(); ++i) {
        const auto graine =
            static_cast<std::int32_t>(graine_de_la_serie(depart, static_cast<std::uint32_t>(i)));
        std::vector<std::string> journal = {
            ecrit_evenement(ev::Graine{static_cast<std::uint32_t>(graine)})};
        journal.insert(journal.end(), lignes.begin(), lignes.end());
        if (!rejoue(std::move(journal))) break;
        recoit(releve("nouvelle famille " + std::to_string(i + 1), graine));
    }
    return !avance.annulee();
}

} // namespace orvan
