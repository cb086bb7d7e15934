// Many families gathered without any window: saved families replayed one after the other, or
// new families made from one gene set-up and one choice of the founders, each from its own
// seed.
#pragma once

#include "app/classe.h"
#include "ground/textes.h"
#include "statistiques/releve.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvan {

class FenetrePrincipale;
class LoiEnfantProgramme;
class Plateforme;
class PlateformeSilencieuse;

struct FichierEcarte {
    std::string chemin;
    Texte raison; // a sentence for the user
};

struct Recolte {
    std::vector<FamilleReleve> familles;
    std::vector<FichierEcarte> ecartes;
    bool interrompue = false;
};

// The pupils' files of a class, each read as the teacher's table shows it.
struct RecolteClasse {
    std::vector<EleveReleve> eleves;
    std::vector<FichierEcarte> ecartes;
    bool interrompue = false;
};

// The files named, a folder standing for its .gen files (its subfolders' too), sorted; and
// what a folder holds that cannot be read: a subfolder that cannot be opened, a pipe, a device
// or a link that leads to no file under a family's name, each with its reason. A name given
// that is neither a file nor a folder is kept: its reading says why it fails.
struct Trouvailles {
    std::vector<std::string> fichiers;
    std::vector<FichierEcarte> ecartes;
};
Trouvailles fichiers_des_chemins(const std::vector<std::string>& chemins);

// The seed of a log, from its first seed line, as the replay reads it.
std::optional<std::int32_t> graine_du_journal(const std::vector<std::string>& lignes);

class Recolteur {
  public:
    Recolteur();
    ~Recolteur();

    // The lines of a log up to the founders' crossing, without its seed lines: what each new
    // family repeats. Empty when the log never crosses the founders.
    std::vector<std::string> lignes_jusqu_aux_fondateurs(const std::vector<std::string>& journal);
    // Each file replayed; an unreadable file, or one that is not a family, is set aside with
    // its reason. Each family read is one step of a progress shown on `montre`, where the user
    // can cancel: the result then says it was interrupted.
    Recolte fichiers(const std::vector<std::string>& chemins, Plateforme* montre = nullptr);
    // The same files read as the pupils' work: what each built and answered; nothing is
    // written into any of them.
    RecolteClasse classe(const std::vector<std::string>& chemins, Plateforme* montre = nullptr);
    // n new families: the lines (see lignes_jusqu_aux_fondateurs) replayed after the seed of
    // the series' rank (graine_de_la_serie); their progress as for the files.
    Recolte nouvelles_familles(const std::vector<std::string>& lignes, std::size_t n,
                               std::uint32_t depart, Plateforme* montre = nullptr);
    // The same, each family handed to `recoit` as soon as it is made and not kept; false when
    // the user cancelled.
    bool nouvelles_familles(const std::vector<std::string>& lignes, std::size_t n,
                            std::uint32_t depart, const std::function<void(FamilleReleve)>& recoit,
                            Plateforme* montre = nullptr);
    // The clock's seed, as a new family takes it.
    std::uint32_t graine_de_l_horloge();

  private:
    // Each file replayed in turn, then given to `lu` with its path and seed; the files that are
    // no family go to `ecartes`. False when the user cancelled.
    bool parcourt(const std::vector<std::string>& chemins, Plateforme* montre,
                  std::vector<FichierEcarte>& ecartes,
                  const std::function<void(const std::string&, std::int32_t)>& lu);
    bool rejoue(std::vector<std::string> lignes);
    // The family on the headless window, with the carrier probabilities it would show.
    FamilleReleve releve(const std::string& source, std::int32_t graine);
    std::unique_ptr<PlateformeSilencieuse> plateforme_;
    std::unique_ptr<FenetrePrincipale> fenetre_;
    std::unique_ptr<LoiEnfantProgramme> lois_;
};

} // namespace orvan
