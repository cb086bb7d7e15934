// "Ouvrir" and "Enregistrer": the event log to and from a .gen file.
#include "historique/historique.h"

#include "ground/messages.h"
#include "ground/plateforme.h"
#include "history/journal.h"
#include "ui/controles.h"

#include "history/enregistrement_gen.h"
#include "history/fichier_gen.h"

namespace orvan {

void Historique::ouvrir() {
    avant_d_abandonner([this] {
        plateforme_.dialogue_ouvrir(relais.repertoire_ouverture(),
                                    [this](const CheminChoisi& chemin) {
                                        if (chemin) ouvre_fichier(*chemin);
                                    });
    });
}

bool Historique::ouvre_fichier(const std::string& chemin) {
    auto lecture = lit_fichier_gen(chemin);
    if (!lecture) {
        plateforme_.erreur(lecture.erreur);
        return false;
    }
    const std::function<void()> remet_la_fenetre = relais.retient_fenetre();
    const bool ouvert = rejoue_ou_revient(lecture.lignes.size(), [&](Progression& p) {
        evenements->lignes = std::move(lecture.lignes);
        relais.montre_fichier_ouvert(nom_sans_repertoire(chemin));
        return rejoue(p);
    });
    if (!ouvert) {
        remet_la_fenetre();
        return false;
    }
    // Another family's undone actions would be replayed onto this one.
    actions_annulees.clear();
    journal_enregistre_ = releve_du_journal(evenements->lignes);
    actualise_edition();
    garde_copie();
    return true;
}

void Historique::enregistrer() {
    enregistre([](bool) {});
}

void Historique::enregistre(SuiteDe<bool> fait) {
    plateforme_.dialogue_enregistrer(dernier_nom_enregistre,
                                     [this, fait = std::move(fait)](const CheminChoisi& chemin) {
                                         fait(chemin && enregistre_sous(*chemin));
                                     });
}

bool Historique::enregistre_sous(const std::string& chemin) {
    dernier_nom_enregistre = chemin;
    const Enregistrement r = enregistre_fichier_gen(chemin, evenements->lignes);
    if (r != Enregistrement::reussi) {
        plateforme_.erreur(message_enregistrement(r, chemin));
        return false;
    }
    journal_enregistre_ = releve_du_journal(evenements->lignes);
    garde_copie();
    return true;
}

// FNV-1a over the lines and their ends: two different logs of one length are told apart but
// for a chance of one in 2^64.
Historique::JournalEnregistre
Historique::releve_du_journal(const std::vector<std::string>& lignes) {
    std::uint64_t h = 14695981039346656037ull;
    const auto ajoute = [&h](unsigned char c) {
        h ^= c;
        h *= 1099511628211ull;
    };
    for (const std::string& l : lignes) {
        for (const char c : l)
            ajoute(static_cast<unsigned char>(c));
        ajoute('\n');
    }
    return {lignes.size(), h};
}

bool Historique::famille_modifiee() const {
    const auto& lignes = journal_.lignes();
    if (premiere_ligne_d_action() >= lignes.size()) return false;
    // A log of another length differs at once; one of the same length is read once.
    return !journal_enregistre_ || journal_enregistre_->nb_lignes != lignes.size() ||
           *journal_enregistre_ != releve_du_journal(lignes);
}

void Historique::avant_d_abandonner(std::function<void()> suite) {
    if (!famille_modifiee()) {
        suite();
        return;
    }
    plateforme_.question_trois(msg::famille_non_enregistree, msg::enregistrer,
                               msg::ne_pas_enregistrer, msg::annuler,
                               [this, suite = std::move(suite)](ReponseTrois r) {
                                   if (r == ReponseTrois::annule) return;
                                   if (r == ReponseTrois::refuse) return suite();
                                   enregistre([suite](bool fait) {
                                       if (fait) suite();
                                   });
                               });
}

void Historique::journal_remplace() {
    actions_annulees.clear();
    journal_enregistre_.reset();
    actualise_edition();
}

} // namespace orvan
