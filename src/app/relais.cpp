// What the window gives the subsystems that know none of the others: the history's replay and
// openings, the pedigree's clicks and menu entries, the floating panels and their handles, the
// colours' log line.
#include "app/fenetre_principale.h"

#include "app/rejeu_evenements.h"

#include <memory>

namespace orvan {

namespace {

// What an opening changes besides the log and the family: put back when its replay is cancelled.
class AvantOuverture {
  public:
    explicit AvantOuverture(FenetrePrincipale& f)
        : f_(f), fichier_lu_(f.coquille.fichier_lu), caption_(f.coquille.nom_fichier_lu->caption),
          texte_(f.coquille.nom_fichier_lu->texte), place_{f.coquille.nom_fichier_lu->left,
                                                           f.coquille.nom_fichier_lu->top,
                                                           f.coquille.nom_fichier_lu->width,
                                                           f.coquille.nom_fichier_lu->height},
          nom_visible_(f.coquille.nom_fichier_lu->visible), exercices_(f.menus.exercices->enabled),
          mode_saisie_(f.arbre.ped.mode_saisie),
          disparition_(f.depart.minuterie_disparition->enabled) {}

    void remet() const {
        Label& nom = *f_.coquille.nom_fichier_lu;
        f_.coquille.fichier_lu = fichier_lu_;
        nom.caption = caption_;
        nom.texte = texte_;
        nom.left = place_[0];
        nom.top = place_[1];
        nom.width = place_[2];
        nom.height = place_[3];
        nom.visible = nom_visible_;
        f_.menus.exercices->enabled = exercices_;
        f_.arbre.change_mode_saisie(mode_saisie_);
        f_.depart.minuterie_disparition->enabled = disparition_;
    }

  private:
    FenetrePrincipale& f_;
    std::string fichier_lu_, caption_;
    std::optional<Texte> texte_;
    int place_[4];
    bool nom_visible_, exercices_;
    ModeSaisie mode_saisie_;
    bool disparition_;
};

} // namespace

void FenetrePrincipale::relie_historique() {
    RelaisHistorique& r = historique.relais;
    // A log that does not name the rule of its gametes was written before it had a choice.
    // Nor the rule that keeps a couple a man and a woman.
    r.avant_rejeu = [this] {
        arbre.ped.regle_gametes = RegleGametes::melange_libre;
        arbre.ped.couples_homme_femme = false;
        arbre.ped.decalages_fratries = {};
    };
    r.rejoue_evenement = [this](const Evenement& e) { rejoue_evenement(*this, e); };
    r.apres_rejeu = [this] { couleurs.recolore(); };
    r.montre_edition = [this](bool annuler, bool retablir) {
        menus.annuler_action->enabled = annuler;
        menus.retablir_action->enabled = retablir;
    };
    r.repertoire_ouverture = [this] { return coquille.repertoire_depart; };
    r.retient_fenetre = [this]() -> std::function<void()> {
        auto avant = std::make_shared<const AvantOuverture>(*this);
        return [avant] { avant->remet(); };
    };
    r.montre_fichier_ouvert = [this](const std::string& nom) {
        if (nom.empty())
            coquille.cache_nom_fichier();
        else
            coquille.montre_nom_fichier(nom);
        menus.exercices->enabled = true;
        arbre.change_mode_saisie(ModeSaisie::phenotypes);
        // The replay clicks no founder: the start picture would stay behind the family.
        depart.lance_disparition();
    };
}

void FenetrePrincipale::relie_pedigree() {
    liens_pedigree.menus = {menus.saisie_phenotypes, menus.saisie_genotypes, menus.autre_famille,
                            menus.exercices};
    arbre.clic = [this](int k, Bouton bouton) {
        // The founders wait for the teacher's choice of mode and genes, whose panels lie over
        // them.
        if (coquille.panneau_mode->visible || genes.panneau->visible) return;
        phenotypes.choix_all(k, bouton);
        if (k <= 2) depart.lance_disparition();
    };
    arbre.fin_des_questions = [this] {
        interro.dialogue.attend_un_clic(textes.langue());
        // Waiting on, it would ask for a click that no longer asks anything.
        interro.dialogue.visible = false;
    };
}

void FenetrePrincipale::relie_exercices() {
    liens_exercices.mesure_relation = coquille.mesure_relation;
    liens_exercices.mesure_genotype = coquille.mesure_genotype;
    liens_exercices.image_depart = depart.image;
    liens_exercices.lance_disparition = [this] { depart.lance_disparition(); };
}

void FenetrePrincipale::relie_panneaux_mobiles() {
    panneaux_mobiles.rend_mobile(*phenotypes.panneau);
    panneaux_mobiles.rend_mobile(*genotypes.panneau, {genotypes.boites[1], genotypes.boites[2]});
    panneaux_mobiles.rend_mobile(*alleles.panneau, {alleles.boites[1], alleles.boites[2]});
    panneaux_mobiles.rend_mobile(*couleurs.panneau);
    panneaux_mobiles.rend_mobile(*historique.panneau);
}

void FenetrePrincipale::relie_couleurs() {
    couleurs.couleurs_choisies = [this](const std::array<int, max_legende + 1>& numeros) {
        journal.stock_ev(ev::CouleursLegende{numeros});
    };
}

} // namespace orvan
