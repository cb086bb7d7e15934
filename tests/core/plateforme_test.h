// A scripted platform for the tests: answers queued in advance, a fixed clock and fixed-width
// text metrics.
#pragma once

#include "app/fenetre_principale.h"
#include "app/plateforme_silencieuse.h"

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvan::test {

class PlateformeTest : public PlateformeSilencieuse {
  public:
    void montre_question(const BoiteMessage& boite, SuiteDe<bool> suite) override {
        boites.push_back(boite);
        questions.push_back(boite.texte);
        if (plus_tard) return questions_en_attente.push_back(std::move(suite));
        bool r = false;
        if (!reponses.empty()) {
            r = reponses.front();
            reponses.pop_front();
        }
        suite(r);
    }
    // Unsaved work: the queued answer, else the one a user in a hurry gives (go on without).
    void montre_question_trois(const BoiteMessage& boite,
                               std::function<void(ReponseTrois)> suite) override {
        boites.push_back(boite);
        questions.push_back(boite.texte);
        ReponseTrois r = ReponseTrois::refuse;
        if (!reponses_trois.empty()) {
            r = reponses_trois.front();
            reponses_trois.pop_front();
        }
        suite(r);
    }
    std::deque<ReponseTrois> reponses_trois;
    void montre_avertissement(const BoiteMessage& boite) override {
        boites.push_back(boite);
        avertissements.push_back(boite.texte);
    }
    void montre_erreur(const BoiteMessage& boite) override {
        boites.push_back(boite);
        erreurs.push_back(boite.texte);
    }
    void choisit_ouverture(const DialogueFichier& d, SuiteDe<CheminChoisi> suite) override {
        dialogues.push_back(d);
        repertoires_ouverture.push_back(d.depart);
        if (plus_tard) return fichiers_en_attente.push_back(std::move(suite));
        suite(prochain(fichiers_a_ouvrir));
    }
    void choisit_enregistrement(const DialogueFichier& d, SuiteDe<CheminChoisi> suite) override {
        dialogues.push_back(d);
        noms_proposes.push_back(d.depart);
        if (plus_tard) return fichiers_en_attente.push_back(std::move(suite));
        suite(prochain(fichiers_a_enregistrer));
    }
    HeureUTC heure_utc() const override { return heure; }
    std::string dossier_secours() const override { return dossier; }
    std::string dossier;
    std::string repertoire_courant() const override { return repertoire; }
    bool montre_aide(const DemandeAide& aide) override {
        demandes_aide.push_back(aide);
        aides.push_back(aide.page + "#" + std::to_string(aide.sujet));
        return false;
    }

    Capture capture(const Fiche& fenetre) override {
        fenetres_capturees.push_back(fenetre.nom());
        if (a_la_capture) a_la_capture(fenetre);
        return PlateformeSilencieuse::capture(fenetre);
    }
    ResultatImpression imprime(const Capture& page) override {
        pages_imprimees.push_back(page);
        return resultat_impression;
    }
    bool enregistre_pdf(const Capture& page, const std::string& chemin) override {
        pdf_ecrits.emplace_back(chemin, page);
        return pdf_possible;
    }
    void choisit_pdf(const DialogueFichier& d, SuiteDe<CheminChoisi> suite) override {
        dialogues.push_back(d);
        noms_proposes.push_back(d.depart);
        suite(prochain(fichiers_pdf));
    }
    // What the user does in a modal window, one step at a time; then the window's timers tick
    // as the event loop would tick them and a window still open is closed by its close button,
    // unless told otherwise.
    void montre_modale(Fiche& fenetre, std::function<void()> apres) override {
        fenetres_modales.push_back(fenetre.nom());
        titres_modaux.push_back(fenetre.caption);
        if (plus_tard) return modales_en_attente.push_back(std::move(apres));
        if (pendant_modale) pendant_modale(fenetre);
        while (fenetre.visible && !gestes_modaux.empty()) {
            const auto geste = std::move(gestes_modaux.front());
            gestes_modaux.pop_front();
            geste();
        }
        if (boucle_modale) laisse_tourner(fenetre);
        if (apres) apres();
    }

    void montre_tableau(const DemandeTableau& tableau) override { tableaux.push_back(tableau); }
    std::vector<DemandeTableau> tableaux;
    // A dialog of fields: the user presses OK with each queued set of texts in turn until one
    // is taken; with none left, Cancel.
    void montre_formulaire(const DemandeFormulaire& d, SuiteDe<bool> suite) override {
        formulaires.push_back(d);
        if (plus_tard)
            return formulaires_en_attente.push_back([this, d, suite] { presse_ok(d, suite); });
        presse_ok(d, std::move(suite));
    }
    std::vector<DemandeFormulaire> formulaires;
    std::deque<std::vector<std::string>> formulaires_remplis;
    // A long task: its progress is recorded, and the user presses its cancel button once
    // `annulation_a` steps are done, or at the `annulation_a_l_appel`-th look (once).
    void commence_progression(const DemandeProgression& d) override {
        progressions.push_back(d);
        pas_faits.push_back(0);
    }
    bool progresse(std::size_t faits) override {
        pas_faits.back() = faits;
        if (++appels_progression == annulation_a_l_appel) {
            annulation_a_l_appel = 0;
            return false;
        }
        if (!annulation_a || faits < *annulation_a) return true;
        annulation_a.reset();
        return false;
    }
    void termine_progression() override { ++progressions_terminees; }
    std::optional<std::size_t> annulation_a;
    std::size_t annulation_a_l_appel = 0;
    std::size_t appels_progression = 0;
    std::vector<DemandeProgression> progressions;
    std::vector<std::size_t> pas_faits;
    int progressions_terminees = 0;

    std::deque<std::function<void()>> gestes_modaux;

    // As a page in a browser answers: every question, dialog and modal window returns at once,
    // and its answer comes only when the test gives it, from these lists.
    bool plus_tard = false;
    std::deque<SuiteDe<bool>> questions_en_attente;
    std::deque<SuiteDe<CheminChoisi>> fichiers_en_attente;
    std::deque<std::function<void()>> modales_en_attente, formulaires_en_attente;
    // The oldest of a list, taken off it and run.
    template <class Suite, class... Reponse>
    static void donne(std::deque<Suite>& attente, Reponse&&... reponse) {
        Suite suite = std::move(attente.front());
        attente.pop_front();
        suite(std::forward<Reponse>(reponse)...);
    }
    std::vector<std::string> titres_modaux;

    // Every box and dialog shown, as the user saw it.
    std::vector<BoiteMessage> boites;
    std::vector<DialogueFichier> dialogues;
    std::vector<DemandeAide> demandes_aide;

    std::deque<bool> reponses;
    std::deque<std::optional<std::string>> fichiers_a_ouvrir, fichiers_a_enregistrer;
    std::vector<std::string> questions, avertissements, erreurs, aides, repertoires_ouverture,
        noms_proposes;
    HeureUTC heure{10, 20, 30, 400};
    std::string repertoire = "/home/eleve";
    std::function<void(const Fiche&)> a_la_capture, pendant_modale;
    bool boucle_modale = true;
    std::vector<std::string> fenetres_capturees, fenetres_modales;
    ResultatImpression resultat_impression = ResultatImpression::imprimee;
    std::vector<Capture> pages_imprimees;
    std::vector<std::pair<std::string, Capture>> pdf_ecrits;
    bool pdf_possible = true;
    std::deque<std::optional<std::string>> fichiers_pdf;

  private:
    void presse_ok(const DemandeFormulaire& d, SuiteDe<bool> suite) {
        if (formulaires_remplis.empty()) return suite(false);
        const std::vector<std::string> textes = std::move(formulaires_remplis.front());
        formulaires_remplis.pop_front();
        d.accepte(textes, [this, d, suite](bool pris) {
            if (pris)
                suite(true);
            else
                presse_ok(d, suite);
        });
    }
    static std::optional<std::string> prochain(std::deque<std::optional<std::string>>& file) {
        if (file.empty()) return std::nullopt;
        auto r = file.front();
        file.pop_front();
        return r;
    }
};

// A program started as the user starts it: the window created, the start-up timer ticked.
struct Session {
    PlateformeTest plateforme;
    std::unique_ptr<FenetrePrincipale> f;

    explicit Session(HeureUTC heure = {10, 20, 30, 400}, std::vector<std::string> arguments = {})
        : Session([heure](PlateformeTest& p) { p.heure = heure; }, std::move(arguments)) {}
    // The platform as the machine is before the program starts.
    explicit Session(const std::function<void(PlateformeTest&)>& prepare,
                     std::vector<std::string> arguments = {}) {
        prepare(plateforme);
        f = std::make_unique<FenetrePrincipale>(plateforme, std::move(arguments));
        f->coquille.demarre();
        f->coquille.minuterie_demarrage->tic();
    }
    FenetrePrincipale& operator*() { return *f; }
    FenetrePrincipale* operator->() { return f.get(); }
    const std::vector<std::string>& journal() const { return f->journal.lignes(); }
};

} // namespace orvan::test
