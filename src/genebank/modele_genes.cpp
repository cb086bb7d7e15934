// "OK" of the gene choice: the trait model of the chosen genes read from the bank, and every
// panel that shows it filled and laid out.
#include "genebank/choix_genes.h"
#include "genebank/vues_des_genes.h"
#include "ground/generateur.h"
#include "ground/messages.h"
#include "ground/plateforme.h"
#include "history/journal.h"
#include "panneaux/panneau_couleurs.h"
#include "ui/fiche.h"
#include "ui/textes_controles.h"

#include "ground/couleurs.h"
#include "ground/texte.h"
#include "regles/decoupage.h"
#include "regles/melange.h"
#include "ui/geometrie.h"

namespace orvan {

void ChoixGenes::confirme_genes() {
    const bool deux = modele.nb_genes == 2;
    f.vues.oublie_genes(modele, choix_complet());
    vide_modele();
    f.vues.vide_enonces_et_listes();

    // The bank's own names, whatever language the lists show them in.
    const std::string nom1 = nom_choisi(*premier_gene);
    const std::string nom2 = deux ? nom_choisi(*second_gene) : std::string();
    modele.nom_gene = {"", nom1, nom2};
    const Texte texte1 = msg::texte_de_la_banque(nom1), texte2 = msg::texte_de_la_banque(nom2);
    f.vues.nomme_genes(texte1, texte2, deux);
    montre_titre(deux ? texte1 + msg::et + texte2 : texte1);
    lit_banque(nom1, nom2);

    f.vues.remet_couleurs(f.couleurs.table[16]);
    ecrit_bulle(f.vues.titre(),
                msg::texte_de_la_banque(modele.commentaire[1]) + " " +
                    msg::texte_de_la_banque(modele.commentaire[2]),
                f.textes.langue());
    f.vues.retire_premiers_items(deux ? 2 : 1);

    f.vues.met_en_page(modele);
    f.couleurs.mise_en_page(modele.nb_phenotypes_total);
    panneau->visible = false;
    f.couleurs.montre_legende(modele.nb_phenotypes_total);
    f.vues.range_cases(modele);
    f.journal.stock_ev(ev::GenesConfirmes{});
}

void ChoixGenes::vide_modele() {
    modele.nb_phenotypes = {0, 0, 0};
    modele.commentaire = {"", "", ""};
    modele.nb_genotypes = 0;
    modele.nb_phenotypes_total = 0;
    modele.nb_genotypes_gene = {0, 0, 0};
    modele.nb_entrees_table = {0, 0, 0};
    modele.premiere_entree = {0, 0, 0};
    modele.nb_relations = {0, 0, 0};
    modele.nom_gene = {"", "", ""};
}

std::string ChoixGenes::nom_choisi(const RadioGroupe& liste) const {
    const int i = liste.index + 1;
    return i >= 1 && i <= modele.nb_maladies ? modele.nom_maladie[i] : std::string();
}

void ChoixGenes::oublie_genes() {
    vide_modele();
    Label& titre = f.vues.titre();
    ecrit(titre, Texte{}, f.textes.langue());
    ecrit_bulle(titre, Texte{}, f.textes.langue());
    titre.visible = false;
    ecrit_titre(f.fenetre, msg::titre_fenetre, f.textes.langue());
    f.couleurs.montre_legende(0);
}

void ChoixGenes::montre_titre(const Texte& texte) {
    Label& titre = f.vues.titre();
    ecrit(titre, texte, f.textes.langue());
    centre_titre();
    titre.visible = true;
    // The window names the family's genes, as its title does.
    ecrit_titre(f.fenetre, texte, f.textes.langue());
}

void ChoixGenes::centre_titre() {
    Label& titre = f.vues.titre();
    titre.left = f.fenetre.width / 2 - titre.width / 2;
}

void ChoixGenes::lit_banque(const std::string& nom1, const std::string& nom2) {
    const bool deux = modele.nb_genes == 2;
    const auto& lignes = banque->lignes;
    const std::string entete1 = "{" + nom1 + "}", entete2 = "{" + nom2 + "}";
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        if (lignes[i] == entete1) lit_gene(1, i);
        if (deux && lignes[i] == entete2) lit_gene(2, i);
        if (contient(lignes[i], "#")) applique_couleurs(lignes[i]);
    }
}

void ChoixGenes::applique_couleurs(const std::string& ligne) {
    for (const auto& [nom, n] : decoupe_couleurs(ligne))
        if (n >= 1 && n <= 16) f.couleurs.colore_legende(nom, n, modele.nb_phenotypes_total);
}

// A gene's entry: its header, its comment, its phenotypes, its genotype lines and its
// statement lines, each block as long as its lines look the part.
void ChoixGenes::lit_gene(int g, std::size_t entete) {
    if (entete + 1 < banque->lignes.size()) modele.commentaire[g] = banque->lignes[entete + 1];
    std::size_t j = lit_phenotypes(g, entete + 2);
    modele.nb_genotypes_gene[g] = 0;
    j = lit_genotypes(g, j);
    lit_relations(g, j);
    // A line for the gene's name over the list, then one for each phenotype.
    f.vues.liste_phenotypes(g).height =
        fois_un_et_demi(f.vues.mesure_hauteur().height) * (modele.nb_phenotypes[g] + 1);
}

std::size_t ChoixGenes::lit_phenotypes(int g, std::size_t j) {
    const auto& lignes = banque->lignes;
    for (; j < lignes.size() && !contient(lignes[j], "["); ++j) {
        ++modele.nb_phenotypes[g];
        RadioGroupe& liste = f.vues.liste_phenotypes(g);
        liste.items.push_back(texte_choix_phenotype(lignes[j]));
        // The pupil reads the phenotype as the labels write it.
        liste.textes_lus.push_back("[" + nom_phenotype(lignes[j]) + "]");
        // The legend holds ten entries over both genes.
        if (modele.nb_phenotypes_total < max_legende) {
            ++modele.nb_phenotypes_total;
            f.couleurs.nomme(modele.nb_phenotypes_total, coupe(nom_phenotype(lignes[j]), 50));
        }
    }
    return j;
}

std::size_t ChoixGenes::lit_genotypes(int g, std::size_t j) {
    const auto& lignes = banque->lignes;
    for (; j < lignes.size() && contient(lignes[j], "["); ++j) {
        const ListeGenotypes liste = decoupe_genotypes(lignes[j]);
        for (const std::string& genotype : liste.genotypes) {
            if (modele.nb_genotypes < max_genotypes_table) {
                ++modele.nb_genotypes;
                if (modele.nb_entrees_table[g]++ == 0)
                    modele.premiere_entree[g] = modele.nb_genotypes;
                modele.phenotype_du_genotype[modele.nb_genotypes] = coupe(liste.phenotype, 50);
                modele.genotype_texte[modele.nb_genotypes] = coupe(genotype, 50);
            }
            if (modele.nb_genotypes_gene[g] < max_genotypes_gene) {
                ++modele.nb_genotypes_gene[g];
                modele.genotype_du_gene[g][modele.nb_genotypes_gene[g]] = genotype;
                f.vues.case_genotype(g, modele.nb_genotypes_gene[g]).caption = genotype;
            }
            f.vues.offre_genotype(g, genotype);
        }
    }
    return j;
}

void ChoixGenes::lit_relations(int g, std::size_t j) {
    const auto& lignes = banque->lignes;
    for (; j < lignes.size() && contient(lignes[j], "("); ++j) {
        modele.nb_relations[g] = 0;
        int k = 0;
        for (const Enonce& e : decoupe_relations(lignes[j])) {
            k = std::min(k + 1, max_relations);
            modele.relation[g][k] = coupe(e.texte, 50);
            modele.etat_relation[g][k] = e.vrai ? EtatEnonce::bon : EtatEnonce::faux;
        }
        modele.nb_relations[g] = k;
        melange(g);
        f.vues.montre_enonces(g, modele);
    }
}

void ChoixGenes::melange(int g) {
    Generateur& alea = f.alea;
    melange_enonces(modele.relation[g], modele.etat_relation[g], modele.nb_relations[g],
                    [&alea](std::uint32_t n) { return alea.tirage_alea(n); });
}

} // namespace orvan
