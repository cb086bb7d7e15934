// "Ouvrir" and "Enregistrer": the event log to and from a .gen file.
#include "app/fenetre_principale.h"

#include "history/enregistrement_gen.h"
#include "history/fichier_gen.h"

namespace orvan {

void Historique::ouvrir() {
    const auto chemin = f.plateforme.dialogue_ouvrir(f.coquille.repertoire_depart);
    if (chemin) ouvre_fichier(*chemin);
}

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
          phenotypes_(f.menus.saisie_phenotypes->checked),
          genotypes_(f.menus.saisie_genotypes->checked),
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
        f_.menus.saisie_phenotypes->checked = phenotypes_;
        f_.menus.saisie_genotypes->checked = genotypes_;
        f_.depart.minuterie_disparition->enabled = disparition_;
    }

  private:
    FenetrePrincipale& f_;
    std::string fichier_lu_, caption_;
    std::optional<Texte> texte_;
    int place_[4];
    bool nom_visible_, exercices_, phenotypes_, genotypes_, disparition_;
};

} // namespace

bool Historique::ouvre_fichier(const std::string& chemin) {
    auto lecture = lit_fichier_gen(chemin);
    if (!lecture) {
        f.plateforme.erreur(lecture.erreur);
        return false;
    }
    const AvantOuverture avant(f);
    const bool ouvert = rejoue_ou_revient(lecture.lignes.size(), [&](Progression& p) {
        evenements->lignes = std::move(lecture.lignes);
        f.coquille.montre_nom_fichier(nom_sans_repertoire(chemin));
        f.menus.exercices->enabled = true;
        f.menus.saisie_phenotypes->checked = true;
        f.menus.saisie_genotypes->checked = false;
        // The replay clicks no founder: the start picture would stay behind the family.
        f.depart.lance_disparition();
        return rejoue(p);
    });
    if (!ouvert) avant.remet();
    return ouvert;
}

void Historique::enregistrer() {
    const auto chemin = f.plateforme.dialogue_enregistrer(dernier_nom_enregistre);
    if (!chemin) return;
    dernier_nom_enregistre = *chemin;
    const Enregistrement r = enregistre_fichier_gen(*chemin, evenements->lignes);
    if (r != Enregistrement::reussi) f.plateforme.erreur(message_enregistrement(r, *chemin));
}

} // namespace orvan
