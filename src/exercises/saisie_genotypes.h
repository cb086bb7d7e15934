// The genotype panel: the genotypes offered for an individual (entered directly, or changed by
// a right click), with the hidden genotype boxes that hold the gene's genotype list; and the
// choice between entering phenotypes and entering genotypes.
#pragma once

#include "pedigree/panneau_genotypes.h"
#include "regles/modele_caracteres.h"
#include "ui/controles.h"

#include "famille/genotype.h"

#include <array>
#include <string>
#include <vector>

namespace orvan {

struct LiensExercices;

class SaisieGenotypes : public PanneauGenotypes {
  public:
    explicit SaisieGenotypes(LiensExercices& liens) : f(liens) {}
    void cree_controles();

    // "Phénotypes" and "Génotypes" of the entry menu: what a left click on an individual opens.
    void choisit_saisie_phenotypes();
    void choisit_saisie_genotypes();
    // A click in the list of gene g: logs the item chosen (-1 for none), then the OK rule.
    void stock_ch_gen(int g, int i);
    // A change of tick of box k of gene g: the other boxes of the gene are unticked.
    void choix_genotype(int g, int k);
    // "Ok" waits for one genotype with one gene, for both with two.
    void regle_ok();
    // The outline chosen in "Choix sexe" goes at once to the individual whose genotypes are
    // entered, and only the genotypes of that sex can be confirmed.
    void change_sexe();
    void accorde_au_sexe() override;
    // The individual whose genotypes the panel gives: the one right-clicked for a change, the
    // founder or the new spouse for an entry.
    int individu_entre() const;
    void change_nb_descendants();
    // "Ok": a new entry gives the individual its genotypes and hands over to the crossing; a
    // change gives them to the individual clicked, and nothing is drawn again.
    void confirme();
    // The label of individual k shows the phenotype its genotypes give.
    void etiquette_phenotype(int k);

    void offre_genotypes(int g, int n) override;
    void prepare_saisie(int n) override;
    void cadre(bool montre) override;

    // Genotype g joins the end of the list of gene g.
    void offre(int g, const std::string& genotype);
    void vide_genotypes(ModeleCaracteres& modele);
    void retire_premiers_items(int nb_genes);
    // Removes repeated genotypes from the gene's list and closes the gaps; the boxes show it.
    void range_cases(ModeleCaracteres& modele);
    void mise_en_page(const ModeleCaracteres& modele);

    // Besides the panel, the lists, the sex choice and the buttons that the phenotype panel
    // drives:
    std::array<Groupe*, 3> boites{};
    std::array<std::array<CaseACocher*, max_genotypes_gene + 1>, 3> case_genotype{};
    Combo* nb_descendants;

  private:
    void relie_gestionnaires();
    // Whether the genotypes offered for gene g depend on the sex.
    std::array<bool, 3> suit_le_sexe{};
    // The genotypes that the list of gene g offers, item by item: what "Ok" gives is taken
    // from here, never read back from an item's caption.
    std::array<std::vector<Genotype>, 3> offerts_;
    void vide_liste(int g);
    // The genotype selected in the list of gene g; null when none is.
    const Genotype* genotype_choisi(int g) const;
    void prend_genotypes(int k);
    void confirme_saisie();
    void confirme_changement();
    LiensExercices& f;
};

} // namespace orvan
