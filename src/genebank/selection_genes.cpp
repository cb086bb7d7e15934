// Listing the genes of the bank, choosing one or two of them and building the trait model.
#include "app/form1.h"

#include "genebank/decoupage.h"
#include "ui/geometrie.h"
#include "ui/texte.h"

namespace orvan {

void TForm1::extrait_maladies() {
    modele.nb_maladies = 0;
    Group_prem->vide();
    Group_sec->vide();
    prem_allele->vide();
    sec_allele->vide();
    BitBtn1->enabled = false;
    const auto& lignes = banque_genes->lignes;
    for (std::size_t i = 1; i < lignes.size(); ++i) {
        // The name table holds 20 genes; later headers are not listed.
        if (!contient(lignes[i], "{") || modele.nb_maladies >= max_maladies) continue;
        ++modele.nb_maladies;
        const std::string nom = nom_gene(lignes[i]);
        modele.nom_maladie[modele.nb_maladies] = nom;
        Group_prem->items.push_back(nom);
        Group_sec->items.push_back(nom);
    }
    const int h = hauteur_carac->height;
    Group_prem->height = fois_un_et_demi(modele.nb_maladies * h);
    Group_sec->height = Group_prem->height;
    BitBtn1->top = Group_prem->bottom() + 5;
    BitBtn2->top = BitBtn1->top;
    group_choix->height = BitBtn1->bottom() + 5;
}

namespace {

bool choix_complet(const TForm1& f) {
    return f.modele.nb_genes == 2 ? f.Group_prem->index >= 0 && f.Group_sec->index >= 0
                                  : f.Group_prem->index >= 0;
}

} // namespace

// A click in one gene list; the other list must not hold the same gene in two-gene mode.
void TForm1::clic_liste_genes(RadioGroupe& liste, const RadioGroupe& autre,
                              const std::string& ligne) {
    if (modele.nb_genes == 2 && autre.index >= 0 && autre.index == liste.index) {
        plateforme.avertissement("Les deux gènes sont semblables");
        liste.selectionne(-1);
    }
    BitBtn1->enabled = choix_complet(*this);
    stock_ev(ligne + std::to_string(liste.index));
}

void TForm1::Group_premClick() {
    clic_liste_genes(*Group_prem, *Group_sec, "group_premclick.");
}

void TForm1::Group_secClick() {
    clic_liste_genes(*Group_sec, *Group_prem, "group_secclick.");
}

void TForm1::BitBtn2Click() {
    group_choix->visible = false;
    Timer_debut->enabled = true;
}

void TForm1::dimension_choix(int type) {
    group_choix->width = (type == 1 ? Group_prem->right() : Group_sec->right()) + 7;
    group_choix->left = width / 2 - group_choix->width / 2;
}

void TForm1::BitBtn1Click() {
    const bool deux = modele.nb_genes == 2;
    for (int g = 1; g <= 2; ++g) {
        for (int i = 1; i <= max_genotypes_gene; ++i)
            case_genotype[g][i]->caption.clear();
        radio_genotype[g]->vide();
    }
    for (int g = 1; g <= 2; ++g)
        for (int i = 1; i <= max_relations; ++i) {
            case_relation[g][i]->coche(true);
            label_correction[g][i]->set_caption("");
        }
    choix_coul->enabled = true;
    if (choix_complet(*this))
        for (int k = 1; k <= 2; ++k) {
            tab_shape[k]->enabled = tab_shape[k]->visible = true;
            tab_label[k]->enabled = tab_label[k]->visible = true;
        }

    modele.nb_phenotypes = {0, 0, 0};
    modele.commentaire = {"", "", ""};
    modele.nb_genotypes = 0;
    modele.nb_phenotypes_total = 0;
    modele.nb_genotypes_gene = {0, 0, 0};
    modele.nb_relations = {0, 0, 0};
    for (int g = 1; g <= 2; ++g)
        for (int i = 1; i <= max_relations; ++i) {
            case_relation[g][i]->caption.clear();
            case_relation[g][i]->visible = false;
        }
    prem_allele->vide();
    sec_allele->vide();

    const std::string nom1 = Group_prem->texte_choisi();
    const std::string nom2 = deux ? Group_sec->texte_choisi() : std::string();
    prem_gene_interro->caption = nom1;
    prem_allele->caption = nom1;
    if (deux) {
        sec_allele->caption = nom2;
        sec_gene_interro->caption = nom2;
    }
    titre->set_caption(deux ? nom1 + " et " + nom2 : nom1);
    titre->left = width / 2 - titre->width / 2;
    titre->visible = true;

    const auto& lignes = banque_genes->lignes;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        if (lignes[i] == "{" + nom1 + "}") lit_gene(1, i);
        if (deux && lignes[i] == "{" + nom2 + "}") lit_gene(2, i);
        if (contient(lignes[i], "#"))
            for (const auto& [nom, n] : decoupe_couleurs(lignes[i])) {
                if (n < 1 || n > 16) continue;
                for (int e = 1; e <= modele.nb_phenotypes_total; ++e)
                    if (nom_legende[e]->caption == nom)
                        figure_legende[e]->remplissage = couleurs[n];
            }
    }

    for (int k = 1; k <= max_individus; ++k) {
        tab_shape[k]->remplissage = couleurs[16];
        tab_label[k]->fond = couleurs[16];
    }
    titre->hint = modele.commentaire[1] + " " + modele.commentaire[2];
    for (int g = 1; g <= (deux ? 2 : 1); ++g) {
        auto& items = radio_genotype[g]->items;
        if (!items.empty()) items.erase(items.begin());
    }

    mise_en_page_choix();
    group_choix->visible = false;
    for (int i = 1; i <= max_legende; ++i) {
        nom_legende[i]->visible = i <= modele.nb_phenotypes_total;
        figure_legende[i]->visible = i <= modele.nb_phenotypes_total;
    }
    range_cases_genotype();
    stock_ev("bitbtn1click");
}

void TForm1::lit_gene(int g, std::size_t entete) {
    const auto& lignes = banque_genes->lignes;
    const auto existe = [&](std::size_t j) { return entete + j < lignes.size(); };
    const auto ligne = [&](std::size_t j) -> const std::string& { return lignes[entete + j]; };
    RadioGroupe* phenotypes = g == 1 ? prem_allele : sec_allele;

    if (existe(1)) modele.commentaire[g] = ligne(1);
    std::size_t j = 2;
    for (; existe(j) && !contient(ligne(j), "["); ++j) {
        ++modele.nb_phenotypes[g];
        phenotypes->items.push_back(texte_choix_phenotype(ligne(j)));
        // The legend holds ten entries over both genes.
        if (modele.nb_phenotypes_total < max_legende) {
            ++modele.nb_phenotypes_total;
            nom_legende[modele.nb_phenotypes_total]->set_caption(
                coupe(nom_phenotype(ligne(j)), 50));
        }
    }

    modele.nb_genotypes_gene[g] = 0;
    for (; existe(j) && contient(ligne(j), "["); ++j) {
        const ListeGenotypes liste = decoupe_genotypes(ligne(j));
        for (const std::string& genotype : liste.genotypes) {
            if (modele.nb_genotypes < max_genotypes_table) {
                ++modele.nb_genotypes;
                modele.phenotype_du_genotype[modele.nb_genotypes] = coupe(liste.phenotype, 50);
                modele.genotype_texte[modele.nb_genotypes] = coupe(genotype, 50);
            }
            if (modele.nb_genotypes_gene[g] < max_genotypes_gene) {
                ++modele.nb_genotypes_gene[g];
                case_genotype[g][modele.nb_genotypes_gene[g]]->caption = genotype;
            }
            radio_genotype[g]->items.push_back(genotype);
        }
    }

    for (; existe(j) && contient(ligne(j), "("); ++j) {
        modele.nb_relations[g] = 0;
        int k = 0;
        for (const Enonce& e : decoupe_relations(ligne(j))) {
            k = std::min(k + 1, max_relations);
            modele.relation[g][k] = coupe(e.texte, 50);
            modele.etat_relation[g][k] = e.vrai ? "bon" : "faux";
        }
        modele.nb_relations[g] = k;
        melange(g);
        montre_relations(g);
    }

    phenotypes->height = fois_un_et_demi(hauteur_carac->height) * modele.nb_phenotypes[g];
}

void TForm1::melange(int g) {
    const auto n = static_cast<std::uint32_t>(modele.nb_relations[g]);
    for (int passe = 0; passe < 500; ++passe) {
        const auto a = 1 + alea.tirage_alea(n);
        const auto b = 1 + alea.tirage_alea(n);
        std::swap(modele.relation[g][a], modele.relation[g][b]);
        std::swap(modele.etat_relation[g][a], modele.etat_relation[g][b]);
    }
}

void TForm1::montre_relations(int g) {
    for (int i = 1; i <= modele.nb_relations[g]; ++i) {
        CaseACocher& c = *case_relation[g][i];
        c.caption = modele.relation[g][i];
        c.width = plateforme.mesure(c.caption, Label41->police).largeur + 14;
        c.visible = true;
    }
}

void TForm1::range_cases_genotype() {
    for (int g = 1; g <= 2; ++g) {
        auto& cases = case_genotype[g];
        const int n = modele.nb_genotypes_gene[g];
        for (int i = 1; i <= n; ++i)
            for (int j = i + 1; j <= n; ++j)
                if (cases[j]->caption == cases[i]->caption) cases[j]->caption.clear();
        for (int i = 1; i <= n; ++i)
            for (int j = i; j <= n - 1; ++j)
                if (cases[j]->caption.empty() && !cases[j + 1]->caption.empty()) {
                    cases[j]->caption = cases[j + 1]->caption;
                    cases[j + 1]->caption.clear();
                }
        int restants = 0;
        for (int i = 1; i <= max_genotypes_gene; ++i) {
            cases[i]->visible = !cases[i]->caption.empty();
            if (cases[i]->visible) ++restants;
        }
        modele.nb_genotypes_gene[g] = restants;
    }
}

} // namespace orvan
