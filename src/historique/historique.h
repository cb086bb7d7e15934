// The history panel: the event log shown as a list, its replay ("lancer"), undo ("<---"), and
// the log read from and written to .gen files.
#pragma once

#include "ground/plateforme.h"
#include "history/copie_secours.h"
#include "history/evenement.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orvan {

class Fiche;
class Journal;
class Plateforme;
class Progression;
struct BoutonGlyphe;
struct Groupe;
struct Liste;

// What the window does for the history, which knows none of its other panels.
struct RelaisHistorique {
    // Before a replay: the state a log's first line expects that no line sets.
    std::function<void()> avant_rejeu;
    // Each event of a replayed line goes to the handler of the user's action that wrote it.
    std::function<void(const Evenement&)> rejoue_evenement;
    // After a replay: the pedigree coloured again.
    std::function<void()> apres_rejeu;
    // "Édition" › "Annuler" and "Rétablir" enabled or not.
    std::function<void(bool annuler, bool retablir)> montre_edition;
    // The folder that "Ouvrir" starts from.
    std::function<std::string()> repertoire_ouverture;
    // The window as an opening finds it, and what puts it back: kept before the opening and
    // called when its replay is cancelled.
    std::function<std::function<void()>()> retient_fenetre;
    // A family file is being opened: the window names it (no name: a family that no file
    // holds) and readies itself for its replay.
    std::function<void(const std::string& nom)> montre_fichier_ouvert;
};

class Historique {
  public:
    // fenetre: the window that is hidden while the log replays.
    Historique(Fiche& fenetre, Journal& journal, Plateforme& plateforme)
        : f(fenetre), journal_(journal), plateforme_(plateforme) {}
    void cree_controles();

    // Replays the whole log through the same handlers, with the window hidden. A long replay
    // shows its progress, without a cancel: nothing would give the family back sooner.
    void rejoue_journal();
    // The same with the progress given; false when it was cancelled, the family then left as
    // far as the replay went.
    bool rejoue_journal(Progression& p) { return rejoue(p); }
    // Removes the last action (a whole run of shifts or of genotype choices) and replays.
    void annule_derniere_action();
    // "Édition" › "Annuler": the last whole action of the user's, kept for "Rétablir".
    void annule_action();
    // "Édition" › "Rétablir": the last action undone, done again.
    void retablit_action();
    // The two entries enabled when they have something to do.
    void actualise_edition();
    void montre();
    void ferme();
    void ouvrir();
    void enregistrer();
    // Writes the log to that file; false once the user has been told why it could not.
    bool enregistre_sous(const std::string& chemin);
    // The log holds actions of the pupil's that no file holds as they are: changed since it
    // was opened or saved.
    bool famille_modifiee() const;
    // Before the family is given up: over a changed family, asks whether to save it first;
    // `suite` runs unless the user cancels or the save does not happen.
    void avant_d_abandonner(std::function<void()> suite);
    // The log has been replaced by one that no file holds (a new family): nothing to redo.
    void journal_remplace();
    // The family is given up for good: its recovery copy goes.
    void abandonne();
    // Offers, one at a time, the families that a program left unsaved when it ended, until one
    // is taken back or put off; the copies given up go.
    void propose_reprise();
    // Reads a .gen file into the log and replays it, as "Ouvrir" does once a file is chosen.
    // False when the file cannot be read or the user cancelled its replay.
    bool ouvre_fichier(const std::string& chemin);

    Groupe* panneau;
    Liste* evenements;
    BoutonGlyphe *lancer, *annuler, *fermer;

    RelaisHistorique relais;

  private:
    std::size_t premiere_ligne_d_action() const;
    // The save dialog, then the file; true once the log is in it.
    // The save dialog, then the file written; `fait` says whether it was.
    void enregistre(SuiteDe<bool> fait);
    // The recovery copy follows the log: kept while the family is changed, removed otherwise.
    void garde_copie();
    void propose_copie(std::vector<CopieLaissee> copies);
    void reprend(const std::string& chemin, std::vector<std::string> lignes);
    template <class E> bool annule_serie();
    // One replay of the log, each line a step of p; false when the user cancelled (the family
    // is then half built).
    bool rejoue(Progression& p);
    // Changes the log and replays it (once or more) with a progress the user may cancel, in
    // `etapes` lines in all; a cancel puts back the log as it was and rebuilds its family.
    // False when cancelled.
    bool rejoue_ou_revient(std::size_t etapes, const std::function<bool(Progression&)>& rejeux);
    // The same when only the end of the log changes: its lines from `debut` on are moved into
    // `retirees` before `rejeux` runs, and moved back on a cancel. A long log is not copied.
    bool rejoue_ou_revient(std::size_t debut, std::vector<std::string>& retirees,
                           std::size_t etapes, const std::function<bool(Progression&)>& rejeux);

    Fiche& f;
    Journal& journal_;
    Plateforme& plateforme_;
    // The actions undone, the last one last; a new action of the user's forgets them.
    std::vector<std::vector<std::string>> actions_annulees;
    std::string dernier_nom_enregistre = "*.gen";
    // The log as the file last opened or saved holds it, by its length and a fingerprint of its
    // lines: a copy of a long log would double the memory it takes. None when no file holds it.
    struct JournalEnregistre {
        std::size_t nb_lignes = 0;
        std::uint64_t empreinte = 0;
        bool operator==(const JournalEnregistre&) const = default;
    };
    static JournalEnregistre releve_du_journal(const std::vector<std::string>& lignes);
    std::optional<JournalEnregistre> journal_enregistre_;
    CopieSecours secours_;
    bool secours_en_defaut_ = false;
};

} // namespace orvan
