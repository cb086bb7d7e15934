// The pedigree on screen: the symbols, labels and lines of the individuals and unions, the
// model behind them, and the crossings that draw the sibships.
#pragma once

#include "pedigree/modele_pedigree.h"
#include "ui/controles.h"

#include <array>
#include <functional>
#include <string>

namespace orvan {

struct LiensPedigree;
struct ModeleCaracteres;

class Arbre {
  public:
    Arbre(LiensPedigree& liens, Famille& famille_) : famille(famille_), f(liens) {}
    void cree_controles();
    void cree_boutons_croisement();

    void init_pedigree();
    // The pupil gives phenotypes or genotypes from now on; the menu's ticks say which.
    void change_mode_saisie(ModeSaisie mode);
    // The controls of individual k written from the family: outline, place, shown, tooltips
    // and the label's text (its place is the label's own).
    void projette_individu(int k);
    // Individual k's symbol and label take clicks, or not.
    void active(int k, bool actif);
    // Individual k shows texte as its phenotype, in a label centred under its symbol.
    void place_label(int k, const std::string& texte);
    void ajout_conjoint(int p);
    void retrait_dernier();
    // A click on individual k's symbol or label: `clic`, which the window gives.
    void clic_individu(int k, Bouton bouton);
    std::function<void(int k, Bouton bouton)> clic;
    // The genotype questions are over: the question window waits for no click.
    std::function<void()> fin_des_questions;
    // Draws the sibship of p1 and p2 as individuals premier.. on the row at height rang.
    void croisement(int p1, int p2, int premier, int rang);
    void croise_fondateurs();
    // From here on the family's gametes carry one sex chromosome each; the log says so once.
    void adopte_regle_chromosome_sexuel();
    void adopte_regle_couples();
    // Whether a click on an individual asks its genotype (the genotype exercise) instead of
    // opening its panel.
    bool questionne_genotypes() const { return ped.mode_interro_geno; }
    void questionne_genotypes(bool oui) { ped.mode_interro_geno = oui; }
    void croise_conjoint();
    void decale_fratrie(int u, int delta);
    // Sibship line u follows the mouse sideways while it spans its vertical line; the release
    // shifts the children by what the line moved.
    void presse_ligne_fratrie(int u, int x, int y);
    void deplace_groupe(Panel& ligne, int x);
    void relache_ligne_fratrie();
    // A click on vertical line u folds its sibship, or unfolds it.
    void apparait_disparait_fratrie(int u);
    // Ends the genotype questions: every symbol takes back the state and the click it had.
    void regen_shape();
    // The same, when questions are under way; nothing otherwise.
    void finit_les_questions();

    void montre_fondateurs();
    void cache_fondateurs();
    void remet_couleurs(Couleur c);
    // Individual k's genotype was drawn or entered: its tooltips tell it from now on.
    void donne_genotype(int k);

    Famille& famille;
    Pedigree ped;

    // Individuals 1..40 (and the spare "Shape41" the window has always had), unions 0..10.
    std::array<Forme*, max_individus + 2> tab_shape{};
    std::array<Label*, max_individus + 2> tab_label{};
    std::array<Panel*, max_individus + 2> tab_trait{};
    std::array<Panel*, max_unions + 1> tab_couple{};
    std::array<Panel*, max_unions + 1> tab_union{};
    std::array<Panel*, max_unions + 1> tab_vertic{};
    // Hidden buttons whose clicks run the two crossings.
    BoutonGlyphe *bouton_croisement_fondateurs, *bouton_croisement_conjoint;

  private:
    void place_fondateurs();
    void vide_individus();
    void vide_unions();
    void cree_lignes();
    void cree_individus();
    void relie_lignes();
    int nb_enfants(bool gen2, int premier);
    void place_couple(int u, int p1, int p2);
    void place_enfant(int k, int rang_enfant, int n, int ecart, int rang, bool gen2);
    void tire_enfant(int k);
    void etiquette_enfant(int k);
    void place_ligne_fratrie(int u, int premier, int n, int rang);
    void place_verticale(int u);
    LiensPedigree& f;
};

} // namespace orvan
