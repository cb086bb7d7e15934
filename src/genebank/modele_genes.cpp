// "OK" of the gene choice: the trait model of the chosen genes read from the bank, and every
// panel that shows it filled and laid out.
#include "app/fenetre_principale.h"

#include "genebank/decoupage.h"
#include "genebank/melange.h"
#include "ui/geometrie.h"
#include "ui/texte.h"

namespace orvan {

void ChoixGenes::confirme_genes() {
    const bool deux = modele.nb_genes == 2;
    f.genotypes.vide_genotypes(modele);
    f.alleles.remet_reponses();
    f.menus.couleurs->enabled = true;
    if (choix_complet()) f.arbre.montre_fondateurs();
    vide_modele();
    f.alleles.vide_enonces();
    f.phenotypes.vide_listes();

    const std::string nom1 = premier_gene->texte_choisi();
    const std::string nom2 = deux ? second_gene->texte_choisi() : std::string();
    f.alleles.nomme_genes(nom1, nom2, deux);
    f.phenotypes.nomme_genes(nom1, nom2, deux);
    montre_titre(deux ? nom1 + " et " + nom2 : nom1);
    lit_banque(nom1, nom2);

    f.arbre.remet_couleurs(f.couleurs.table[16]);
    f.coquille.titre->hint = modele.commentaire[1] + " " + modele.commentaire[2];
    f.genotypes.retire_premiers_items(deux ? 2 : 1);

    f.phenotypes.mise_en_page(modele);
    f.alleles.mise_en_page(deux);
    f.couleurs.mise_en_page(modele.nb_phenotypes_total);
    f.genotypes.mise_en_page(modele);
    panneau->visible = false;
    f.couleurs.montre_legende(modele.nb_phenotypes_total);
    f.genotypes.range_cases(modele);
    f.journal.stock_ev(ev::GenesConfirmes{});
}

void ChoixGenes::vide_modele() {
    modele.nb_phenotypes = {0, 0, 0};
    modele.commentaire = {"", "", ""};
    modele.nb_genotypes = 0;
    modele.nb_phenotypes_total = 0;
    modele.nb_genotypes_gene = {0, 0, 0};
    modele.nb_entrees_table = {0, 0, 0};
    modele.nb_relations = {0, 0, 0};
}

void ChoixGenes::montre_titre(const std::string& texte) {
    Label& titre = *f.coquille.titre;
    titre.set_caption(texte);
    titre.left = f.width / 2 - titre.width / 2;
    titre.visible = true;
}

void ChoixGenes::lit_banque(const std::string& nom1, const std::string& nom2) {
    const bool deux = modele.nb_genes == 2;
    const auto& lignes = banque->lignes;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        if (lignes[i] == "{" + nom1 + "}") lit_gene(1, i);
        if (deux && lignes[i] == "{" + nom2 + "}") lit_gene(2, i);
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
    f.phenotypes.liste(g).height =
        fois_un_et_demi(f.coquille.mesure_hauteur->height) * modele.nb_phenotypes[g];
}

std::size_t ChoixGenes::lit_phenotypes(int g, std::size_t j) {
    const auto& lignes = banque->lignes;
    for (; j < lignes.size() && !contient(lignes[j], "["); ++j) {
        ++modele.nb_phenotypes[g];
        f.phenotypes.liste(g).items.push_back(texte_choix_phenotype(lignes[j]));
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
                ++modele.nb_entrees_table[g];
                modele.phenotype_du_genotype[modele.nb_genotypes] = coupe(liste.phenotype, 50);
                modele.genotype_texte[modele.nb_genotypes] = coupe(genotype, 50);
            }
            if (modele.nb_genotypes_gene[g] < max_genotypes_gene) {
                ++modele.nb_genotypes_gene[g];
                modele.genotype_du_gene[g][modele.nb_genotypes_gene[g]] = genotype;
                f.genotypes.case_genotype[g][modele.nb_genotypes_gene[g]]->caption = genotype;
            }
            f.genotypes.radio_genotype[g]->items.push_back(genotype);
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
            modele.etat_relation[g][k] = e.vrai ? "bon" : "faux";
        }
        modele.nb_relations[g] = k;
        melange(g);
        f.alleles.montre_relations(g, modele);
    }
}

void ChoixGenes::melange(int g) {
    const Tirage tirage = [this](std::uint32_t n) { return f.alea.tirage_alea(n); };
    melange_enonces(modele.relation[g], modele.etat_relation[g], modele.nb_relations[g], tirage);
}

} // namespace orvan
