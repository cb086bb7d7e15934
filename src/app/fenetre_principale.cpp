// The main window: its controls are created in the order in which they stack on it (pedigree
// lines first, then symbols and labels, then the floating panels above the pedigree), and the
// menu entries handed to the subsystems that serve them.
#include "app/fenetre_principale.h"
#include "ground/messages.h"
#include "ui/textes_controles.h"

#include "app/famille_vue_fenetre.h"
#include "conseil/reglage_frequences.h"
#include "probabilites/frequences.h"

#include "app/clavier.h"
#include "famille/nom_individu.h"

namespace orvan {

namespace {

// The help page's topics of the keyboard and of the program itself.
constexpr int sujet_clavier = 10;
constexpr int sujet_a_propos = 13;

} // namespace

FenetrePrincipale::FenetrePrincipale(Plateforme& p, std::vector<std::string> args)
    : Fiche("Form1"), plateforme(p), arguments(std::move(args)), journal(alea, p), depart(*this),
      arbre(liens_pedigree, famille), coquille(*this), genes(liens_genes),
      phenotypes(liens_pedigree), alleles(liens_exercices),
      couleurs(*this, p, famille, arbre.tab_shape, arbre.tab_label,
               genes.modele.nb_phenotypes_total),
      calculette(*this, p), genotypes(liens_exercices), historique(*this, journal, p),
      impression(*this, p, textes) {
    plateforme.parle(textes);
    ecrit_titre(*this, msg::titre_fenetre, textes.langue());
    width = 698;
    height = 559;
    fond = rgb(237, 236, 211);
    au_premier_plan = true;
    cree_controles();
    relie_menus();
    coquille.lit_arguments();
}

void FenetrePrincipale::cree_controles() {
    menus.cree(*this);
    relie_pedigree();
    depart.cree_images();
    impression.relie_images(*depart.image, *depart.fond_impression);
    arbre.cree_controles();
    probabilites.cree_controles(*this);
    probabilites.frequences = frequences_par_defaut();
    probabilites.clic_individu = [this](int k) {
        probabilites.montre_table_bayes(k, nom_individu(famille, k));
    };
    coquille.cree_titres();
    depart.cree_consigne();
    coquille.cree_panneau_mode();
    genes.cree_controles();
    phenotypes.cree_controles();
    arbre.cree_boutons_croisement();
    alleles.cree_controles();
    couleurs.cree_controles();
    relie_couleurs();
    calculette.cree_controles();
    genotypes.cree_controles();
    historique.cree_controles();
    relie_historique();
    journal.relie(historique.evenements->lignes);
    relie_panneaux_mobiles();
    coquille.cree_mesures();
    relie_exercices();
    coquille.cree_minuterie();
    depart.cree_minuteries();
    interro.relie_pedigree();
    on_key_down = [this](int touche) {
        if (!appuie_bouton_du_panneau(*this, touche)) coquille.touche(touche);
    };
}

void FenetrePrincipale::relie_menus() {
    const auto relie = [](Menu* m, std::function<void()> h) { m->on_click = std::move(h); };
    relie(menus.ouvrir, [this] { historique.ouvrir(); });
    relie(menus.enregistrer, [this] { historique.enregistrer(); });
    relie(menus.annuler_action, [this] { historique.annule_action(); });
    relie(menus.retablir_action, [this] { historique.retablit_action(); });
    relie(menus.imprimer, [this] { impression.imprime(); });
    relie(menus.quitter, [this] { coquille.quitter(); });
    on_close = [this] { coquille.quitter(); };
    relie(menus.fichier, [this] { coquille.ouvre_menu_fichier(); });
    relie(menus.caractere, [this] { coquille.nouveau_caractere(); });
    relie(menus.autre_famille, [this] { coquille.autre_famille(); });
    relie(menus.couleurs, [this] { couleurs.montre(); });
    relie(menus.historique, [this] { historique.montre(); });
    relie(menus.aide_sommaire, [this] { coquille.aide(); });
    relie(menus.aide_clavier, [this] { plateforme.ouvrir_aide(msg::page_aide, sujet_clavier); });
    relie(menus.aide_a_propos, [this] { plateforme.ouvrir_aide(msg::page_aide, sujet_a_propos); });
    relie(menus.calculette, [this] { calculette.montre(); });
    relie(menus.francais, [this] { coquille.change_langue(*menus.francais); });
    relie(menus.anglais, [this] { coquille.change_langue(*menus.anglais); });
    relie(menus.sans_info_genotype, [this] { coquille.sans_info_genotype(); });
    relie(menus.avec_info_genotype, [this] { coquille.avec_info_genotype(); });
    relie(menus.saisie_phenotypes, [this] { genotypes.choisit_saisie_phenotypes(); });
    relie(menus.saisie_genotypes, [this] { genotypes.choisit_saisie_genotypes(); });
    relie(menus.exercice_alleles, [this] { alleles.montre(); });
    relie(menus.exercice_genotypes, [this] { interro.commence(); });
    relie(menus.exporter_image, [this] {
        if (exporte_image) exporte_image();
    });
    relie(menus.exporter_ped, [this] {
        if (exporte_ped) exporte_ped();
    });
    relie(menus.statistiques, [this] {
        if (montre_statistiques) montre_statistiques();
    });
    relie(menus.classe, [this] {
        if (montre_classe) montre_classe();
    });
    relie_menus_affichage();
}

// Affichage: the view's zoom and presentation, the picture's options, the probabilities.
void FenetrePrincipale::relie_menus_affichage() {
    const auto relie = [](Menu* m, std::function<void()> h) { m->on_click = std::move(h); };
    const auto vue = [this](CommandeVue c) {
        if (commande_vue) commande_vue(c);
    };
    relie(menus.zoom_avant, [vue] { vue(CommandeVue::zoom_avant); });
    relie(menus.zoom_arriere, [vue] { vue(CommandeVue::zoom_arriere); });
    relie(menus.taille_reelle, [vue] { vue(CommandeVue::taille_reelle); });
    relie(menus.ajuster, [vue] { vue(CommandeVue::ajuster); });
    relie(menus.presentation, [vue] { vue(CommandeVue::presentation); });
    relie(menus.motifs, [this] { bascule(*menus.motifs); });
    relie(menus.numerotation, [this] { bascule(*menus.numerotation); });
    relie(menus.tableau, [this] {
        if (montre_tableau) montre_tableau();
    });
    relie(menus.probabilites, [this] {
        bascule(*menus.probabilites);
        probabilites.montrees = menus.probabilites->checked;
    });
    const auto a_priori = [this](APriori a) {
        probabilites.a_priori = a;
        menus.dans_ce_programme->checked = a == APriori::programme;
        menus.dans_la_population->checked = a == APriori::population;
    };
    relie(menus.dans_ce_programme, [a_priori] { a_priori(APriori::programme); });
    relie(menus.dans_la_population, [a_priori] { a_priori(APriori::population); });
    relie(menus.frequences, [this] {
        regle_frequences(plateforme, famille_vue(*this).genes, probabilites.frequences);
    });
}

bool FenetrePrincipale::actualise_probabilites() {
    return probabilites.actualise(famille_vue(*this), arbre.tab_shape, arbre.tab_vertic);
}

} // namespace orvan
