// Start-up sequence, full reset, mode choice and the two restarts.
#include "app/fenetre_principale.h"
#include "ground/messages.h"
#include "ui/textes_controles.h"

#include "ground/couleurs.h"

#include <utility>

namespace orvan {

void Coquille::demarre() {
    const Taille ecran = f.plateforme.taille_ecran();
    f.left = (ecran.largeur - f.width) / 2;
    f.top = (ecran.hauteur - f.height) / 2;
    minuterie_demarrage->enabled = true;
}

void Coquille::sequence_demarrage() {
    minuterie_demarrage->enabled = false;
    // The start directory ends with one separator, also when started from the root.
    repertoire_depart = f.plateforme.repertoire_courant() + "/";
    if (const auto p = repertoire_depart.find("//"); p != std::string::npos)
        repertoire_depart.erase(p, 1);
    sans_info_genotype();
    f.arbre.questionne_genotypes(false);
    f.arbre.ped.choix_en_cours = 0;
    f.menus.exercices->enabled = false;
    f.journal.rejeu_en_cours = false;
    remet_a_zero();
    f.arbre.cache_fondateurs();
    titre->visible = false;
    f.genes.panneau->visible = false;
    cache_nom_fichier();
    f.menus.autre_famille->enabled = false;
    f.journal.init_evenement(0);
    panneau_mode->left = f.width / 2 - panneau_mode->width / 2;
    monohybridisme();
    // The gene choice above confirmed the gene once, where a replay of these lines confirms it
    // twice. Replaying our own log leaves the generator where any later replay of it will, so
    // a family saved from here on comes back draw for draw.
    f.historique.rejoue_journal();
    suite_de_la_ligne_de_commande();
}

// The language, then what this program adds: the teacher's mode choice, and the family named on
// the command line, opened once; without one, the families left unsaved, offered once.
void Coquille::suite_de_la_ligne_de_commande() {
    if (ligne_de_commande.langue == Langue::francais) change_langue(*f.menus.francais);
    if (ligne_de_commande.langue == Langue::anglais) change_langue(*f.menus.anglais);
    if (ligne_de_commande.enseignant) panneau_mode->visible = true;
    const bool premiere_fois = !std::exchange(reprise_proposee_, true);
    if (!ligne_de_commande.fichier.empty()) {
        const std::string chemin = std::move(ligne_de_commande.fichier);
        ligne_de_commande.fichier.clear();
        if (f.historique.ouvre_fichier(chemin)) f.depart.lance_disparition();
    } else if (premiere_fois) {
        f.historique.propose_reprise();
    }
}

void Coquille::lit_arguments() {
    ligne_de_commande = lit_ligne_de_commande(f.arguments);
    if (!ligne_de_commande.enseignant) return;
    f.menus.calculette->visible = true;
    f.menus.saisie->visible = true;
}

// The live choice of one gene confirms the first gene at once, as a replay of its line does;
// replaying the log at once leaves the generator where every later replay will, so that the
// family comes back the same in either mode.
void Coquille::choix_enseignant_mono() {
    monohybridisme();
    f.historique.rejoue_journal();
    montre_choix_des_genes();
}

void Coquille::choix_enseignant_di() {
    dihybridisme();
    montre_choix_des_genes();
}

void Coquille::montre_choix_des_genes() {
    f.genes.panneau->top = panneau_mode->top;
    f.genes.panneau->visible = true;
}

void Coquille::remet_a_zero() {
    reinitialise(true);
}

void Coquille::vide_la_famille() {
    reinitialise(false);
}

void Coquille::reinitialise(bool relit_les_genes) {
    f.arbre.change_mode_saisie(ModeSaisie::phenotypes);
    f.calculette.efface();
    f.couleurs.remet_indices();
    if (relit_les_genes) {
        f.genes.extrait_maladies();
        f.genes.oublie_genes();
    }
    f.phenotypes.nb_descendants->index = 0;
    f.genotypes.nb_descendants->index = 0;
    f.arbre.init_pedigree();
}

// The mode choice: a full reset, then the gene lists for one or two genes.
void Coquille::choix_mode(int genes) {
    remet_a_zero();
    panneau_mode->visible = false;
    f.genes.prepare_choix(genes);
    if (genes == 2)
        f.journal.stock_ev(ev::DeuxGenes{});
    else
        f.journal.stock_ev(ev::UnGene{});
}

// One gene: the first gene of the bank is chosen and confirmed at once.
void Coquille::monohybridisme() {
    choix_mode(1);
    f.genes.premier_gene->selectionne(0);
    f.genes.ok->clic();
}

void Coquille::dihybridisme() {
    choix_mode(2);
}

void Coquille::nouveau_caractere() {
    f.arbre.finit_les_questions();
    abandonne_la_famille(question_caractere->caption,
                         [this] { minuterie_demarrage->enabled = true; });
}

void Coquille::autre_famille() {
    f.arbre.finit_les_questions();
    abandonne_la_famille(f.textes(msg::perdre_parents), [this] { recommence_la_famille(); });
}

// The same genes and founders' setting, the children drawn again from a new seed.
void Coquille::recommence_la_famille() {
    // Two founders to choose: no exercise yet, and no file holds the new family.
    f.menus.exercices->enabled = false;
    cache_nom_fichier();
    vide_la_famille();
    f.genes.confirme_genes();
    f.journal.init_evenement(f.journal.fin_mise_en_place());
    f.historique.rejoue_journal();
}

// A changed family is saved or given up knowingly; one that a file holds as it is only asks
// whether to leave it.
void Coquille::abandonne_la_famille(const std::string& question, std::function<void()> suite) {
    if (f.historique.famille_modifiee())
        f.historique.avant_d_abandonner(std::move(suite));
    else
        f.plateforme.question_oui_non(question, [suite = std::move(suite)](bool oui) {
            if (oui) suite();
        });
}

void Coquille::cache_nom_fichier() {
    fichier_lu.clear();
    nom_fichier_lu->set_caption("");
    nom_fichier_lu->visible = false;
}

void Coquille::montre_nom_fichier(const std::string& nom) {
    fichier_lu = nom;
    ecrit(*nom_fichier_lu, msg::fichier_lu.avec({Texte::tel_quel(nom)}), f.textes.langue());
    nom_fichier_lu->left = (f.width - nom_fichier_lu->width) / 2;
    nom_fichier_lu->top = titre->bottom();
    nom_fichier_lu->visible = true;
}

} // namespace orvan
