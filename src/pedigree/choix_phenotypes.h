// The choice of an individual's phenotypes: a click on a founder or a child opens the panel,
// "OK" draws the genotypes that fit and hands over to the crossing.
#pragma once

#include "famille/genotype.h"
#include "ui/controles.h"

#include <optional>
#include <string>

namespace orvan {

struct LiensPedigree;
struct ModeleCaracteres;

class ChoixPhenotypes {
  public:
    explicit ChoixPhenotypes(LiensPedigree& liens) : f(liens) {}
    void cree_controles();

    // A click on individual n: the left button chooses phenotypes (a child gets a spouse
    // first), the right button offers a change of genotype.
    void choix_all(int n, Bouton bouton);
    void clic_premier_phenotype();
    void clic_second_phenotype();
    void change_nb_descendants();
    void confirme();
    // After a confirmed choice for individual m: a spouse is crossed with its partner; a founder
    // waits for the other one, and the second one starts the founders' crossing.
    void passe_au_croisement(int m);
    // The panel's cancel; only the user's press writes its line.
    void annule(bool par_utilisateur = false);
    // What every cancel shares: the panels close and a spouse not yet confirmed goes.
    void ferme_choix();
    // Writes the label of the phenotypes being chosen and shows the panel of the entry mode.
    void affich_all(int n);
    // The individual whose panel was open gets back the sex it had when it opened.
    void rend_le_sexe_d_ouverture();

    void vide_listes();
    void nomme_genes(const Texte& nom1, const Texte& nom2, bool deux);
    RadioGroupe& liste(int g) { return g == 1 ? *premier_phenotype : *second_phenotype; }
    void mise_en_page(const ModeleCaracteres& modele);

    Groupe* panneau;
    RadioGroupe *premier_phenotype, *second_phenotype;
    Groupe* groupe_nb_descendants;
    Combo* nb_descendants;
    BoutonGlyphe *ok, *annuler;

  private:
    void ouvre_changement(int n);
    void ouvre_choix(int n);
    void place_sous(Controle& panneau, int k);
    bool sans_genotype_a_changer(int n) const;
    std::optional<Genotype> tire_genotype(int m, const std::string& pheno);
    LiensPedigree& f;
};

} // namespace orvan
