// The main window: every control and the whole state of the program.
#pragma once

#include "app/generateur.h"
#include "app/plateforme.h"
#include "genebank/modele_caracteres.h"
#include "pedigree/modele_pedigree.h"
#include "ui/fiche.h"

#include <array>
#include <string>
#include <vector>

namespace orvan {

class TForm1 : public Fiche {
  public:
    // arguments: the command line after the program name (the first one picks the language).
    TForm1(Plateforme& plateforme, std::vector<std::string> arguments = {});

    Plateforme& plateforme;
    std::vector<std::string> arguments;
    Generateur alea;
    ModeleCaracteres modele;
    Pedigree ped;
    Glissement glisse;

    std::string repertoire_depart;
    std::uint8_t demarrage_direct = 0;
    std::uint8_t rejeu_en_cours = 0;
    std::array<int, max_legende + 1> indice_couleur{};
    std::array<Couleur, 17> couleurs{};

    // --- Controls -------------------------------------------------------------------------
    // Menus
    Menu *Fichier1, *Ouvrir1, *sauver1, *Imprimer1, *Quitter1, *Caractre1, *Exercice1, *Gnotypes1,
        *Gnotypes2, *Autrefamille1, *choix_coul, *Calculette1, *Choix1, *menu_pheno, *menu_geno,
        *Evnements1, *Aide1, *options, *Sansinfognotype1, *Avecinfognotype1, *N1, *Langue1,
        *Franais1, *Anglais1;

    // Pedigree: index 1..41 (41 is the spare slot), unions 0..10.
    std::array<Forme*, 42> tab_shape{};
    std::array<Label*, 42> tab_label{};
    std::array<Panel*, 42> tab_trait{};
    std::array<Panel*, 11> tab_couple{};
    std::array<Panel*, 11> tab_union{};
    std::array<Panel*, 11> tab_vertic{};

    Label* titre;
    Label* nom_fichier_lu;
    Image* Image1;
    Image* Image2;
    Panel* Panel_info;
    Label* Label45;
    BoutonGlyphe* speed_fleche;

    // Mode choice
    Groupe* Choix_carac;
    Label* Lab_pres;
    BoutonGlyphe *BitBtn4, *BitBtn5, *BitBtn10, *BitBtn11;

    // Gene choice
    Groupe* group_choix;
    RadioGroupe *Group_prem, *Group_sec;
    BoutonGlyphe *BitBtn1, *BitBtn2;
    Memo* banque_genes;

    // Phenotype choice
    Groupe* choix_alleles;
    RadioGroupe *prem_allele, *sec_allele;
    Groupe* group_nb_desc;
    Combo* choix_nb_desc;
    BoutonGlyphe *all_OK, *all_annul;
    BoutonGlyphe *btn_go, *BitBtn3;

    // Answers of the allele exercise
    Groupe* GroupBox4;
    Groupe *prem_gene_interro, *sec_gene_interro;
    std::array<std::array<CaseACocher*, max_relations + 1>, 3> case_relation{};
    std::array<std::array<Label*, max_relations + 1>, 3> label_correction{};
    BoutonGlyphe *BitBtn6, *BitBtn7;

    // Colours
    Groupe* GroupBox5;
    std::array<Forme*, max_legende + 1> figure_legende{};
    std::array<Label*, max_legende + 1> nom_legende{};
    BoutonGlyphe *btn_ok_couleurs, *btn_annul_couleurs;

    // Genotype panel
    Groupe* Group_choix_geno;
    Groupe *GroupBox2, *GroupBox3;
    std::array<std::array<CaseACocher*, max_genotypes_gene + 1>, 3> case_genotype{};
    std::array<RadioGroupe*, 3> radio_genotype{};
    RadioGroupe *choix_gen1, *choix_gen2;
    BoutonGlyphe *BitBtn8, *BitBtn9;
    RadioGroupe* choix_sexe;
    Groupe* gr_nb_desc2;
    Combo* choix_nb_desc2;

    // History
    Groupe* GroupBox1;
    Liste* evenements;
    BoutonGlyphe *BitBtn12, *ret_arr, *ferme_ev;

    // Measuring labels and the question text
    Label *hauteur_carac, *Label41, *Label42, *Label44;

    Minuterie *Timer_debut, *Timer_disparait_image, *Timer_anim_fleche;

    // --- Application shell ----------------------------------------------------------------
    void FormCreate();
    void Timer_debutTimer();
    void init(int a);
    void Monohybridisme1Click();
    void Dihybridisme1Click();
    void Caractre1Click();
    void Autrefamille1Click();
    void Fichier1Click();
    void Quitter1Click();
    void Sansinfognotype1Click();
    void Avecinfognotype1Click();
    void Aide1Click();
    void FormKeyDown(int touche);
    void Timer_anim_flecheTimer();
    void Timer_disparait_imageTimer();

    // --- Gene bank and trait model ----------------------------------------------------------
    void extrait_maladies();
    void Group_premClick();
    void Group_secClick();
    void BitBtn1Click();
    void BitBtn2Click();
    void dimension_choix(int type);

    // --- Pedigree ---------------------------------------------------------------------------
    void init_pedigree();
    void place_label(int k, const std::string& texte);
    void ajout_conjoint(int p);
    void retrait_dernier();
    void croisement(int p1, int p2, int premier, int rang);
    void btn_goClick();
    void BitBtn3Click();
    void choix_all(int n, Bouton bouton);
    void ShapeMouseDown(int k, Bouton bouton);
    void LabelMouseDown(int k, Bouton bouton);
    void prem_alleleClick();
    void sec_alleleClick();
    void choix_nb_descChange();
    void all_OKClick();
    void all_annulClick(bool par_utilisateur = false);
    void BitBtn7Click();
    void cadre_choix_all(int montre);
    void affich_all(int n);
    void decale_fratrie(int u, int delta);
    void deplace_groupe(Panel& ligne, int x);
    void depl_groupe(Controle& boite, int x, int y);
    void apparait_disparait_fratrie(int u);
    void regen_shape();

    // --- Colours --------------------------------------------------------------------------
    void choix_coulClick();
    void modif_couleur(Bouton bouton, int i);
    void btn_ok_couleursClick(bool par_utilisateur = false);
    void btn_annul_couleursClick();
    std::string ligne_couleurs() const;

    // --- History --------------------------------------------------------------------------
    void stock_ev(const std::string& ligne);
    void init_evenement(int n);
    void BitBtn12Click();
    void ret_arrClick();
    void Evnements1Click();
    void ferme_evClick();
    void Ouvrir1Click();
    void sauver1Click();
    // Reads a .gen file into the log and replays it, as "Ouvrir" does once a file is chosen.
    bool ouvre_fichier(const std::string& chemin);

  private:
    void cree_controles();
    void choix_mode(int genes);
    void clic_liste_genes(RadioGroupe& liste, const RadioGroupe& autre, const std::string& ligne);
    void cree_menus();
    void cree_pedigree();
    void cree_panneaux();
    void cree_panneau_couleurs();
    void cree_panneau_genotypes();
    void relie_evenements();
    void lit_gene(int g, std::size_t entete);
    void melange(int g);
    void montre_relations(int g);
    void range_cases_genotype();
    void mise_en_page_choix();
    void offre_genotypes(int g, int n);
    void tire_genotype(int m, const std::string& pheno, std::string& genotype);
    void annule_choix();
    int nb_demarrages_image = 0;
    int pas_fleche = 3;
    int rebonds_fleche = 0;
    std::string dernier_nom_enregistre = "*.gen";
};

} // namespace orvan
