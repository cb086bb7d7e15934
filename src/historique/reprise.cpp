// The recovery copy of the log, and the families that a program left unsaved taken back.
#include "historique/historique.h"

#include "ground/messages.h"
#include "ground/plateforme.h"
#include "history/fichier_gen.h"
#include "history/journal.h"
#include "ui/controles.h"

namespace orvan {

namespace {

bool commence_par_la_graine(const std::vector<std::string>& lignes) {
    if (lignes.empty()) return false;
    const auto e = lit_evenements(lignes[0]);
    return !e.empty() && std::holds_alternative<ev::Graine>(e[0]);
}

} // namespace

void Historique::garde_copie() {
    const std::string dossier = plateforme_.dossier_secours();
    if (dossier.empty()) return;
    if (!famille_modifiee()) {
        secours_.efface();
        return;
    }
    if (secours_.garde(dossier, journal_.lignes()) || secours_en_defaut_) return;
    // Said once: the pupil may go on, and saving keeps the family.
    secours_en_defaut_ = true;
    plateforme_.avertissement(msg::secours_impossible.avec({Texte::tel_quel(dossier)}));
}

void Historique::abandonne() {
    secours_.efface();
}

void Historique::propose_reprise() {
    propose_copie(copies_laissees(plateforme_.dossier_secours()));
}

void Historique::propose_copie(std::vector<CopieLaissee> copies) {
    while (!copies.empty()) {
        CopieLaissee copie = std::move(copies.front());
        copies.erase(copies.begin());
        auto lecture = lit_fichier_gen(copie.chemin);
        if (!lecture || !commence_par_la_graine(lecture.lignes)) {
            met_de_cote(copie.chemin);
            plateforme_.avertissement(
                msg::copie_endommagee.avec({Texte::tel_quel(copie.chemin + ".endommagee")}));
            continue;
        }
        plateforme_.question_trois(msg::famille_laissee.avec({Texte::tel_quel(copie.date)}),
                                   msg::reprendre, msg::abandonner, msg::plus_tard,
                                   [this, chemin = copie.chemin, lignes = std::move(lecture.lignes),
                                    reste = std::move(copies)](ReponseTrois r) mutable {
                                       if (r == ReponseTrois::accepte)
                                           reprend(chemin, std::move(lignes));
                                       if (r != ReponseTrois::refuse) return;
                                       supprime_copie(chemin);
                                       propose_copie(std::move(reste));
                                   });
        return;
    }
}

// The log is the family: replayed, it rebuilds it exactly. It stays unsaved, now in this
// window's own copy.
void Historique::reprend(const std::string& chemin, std::vector<std::string> lignes) {
    const std::function<void()> remet_la_fenetre = relais.retient_fenetre();
    const bool repris = rejoue_ou_revient(lignes.size(), [&](Progression& p) {
        evenements->lignes = std::move(lignes);
        relais.montre_fichier_ouvert({});
        return rejoue(p);
    });
    if (!repris) {
        remet_la_fenetre();
        return;
    }
    actions_annulees.clear();
    journal_enregistre_.reset();
    actualise_edition();
    garde_copie();
    supprime_copie(chemin);
}

} // namespace orvan
