#include "statistiques/export_csv.h"

#include "ground/messages.h"
#include "statistiques/tableur.h"

namespace orvan {

namespace {

// The French form: the statistics' columns and values are French.
const FormatCsv format_francais = format_csv(Langue::francais);

std::string nombre(double x) {
    return nombre_csv(x, 6, format_francais);
}

void ligne(std::string& sortie, const std::vector<std::string>& champs) {
    ligne_csv(sortie, champs, format_francais);
}

std::string numero_parent(const FamilleReleve& f, int numero) {
    const IndividuReleve* p = f.individu(numero);
    return p ? p->numero_generation : "";
}

std::vector<std::string> champs_individu(const FamilleReleve& f, const IndividuReleve& i,
                                         std::size_t nb_genes, Langue langue) {
    const bool pere_premier = [&] {
        const IndividuReleve* p = f.individu(i.premier_parent);
        return !p || p->sexe == Sexe::homme;
    }();
    std::vector<std::string> c = {
        f.source,
        std::to_string(f.graine),
        std::to_string(i.numero),
        i.numero_generation,
        (i.sexe == Sexe::homme ? msg::homme : msg::femme).dans(langue),
        numero_parent(f, pere_premier ? i.premier_parent : i.second_parent),
        numero_parent(f, pere_premier ? i.second_parent : i.premier_parent),
    };
    for (std::size_t g = 0; g < nb_genes; ++g) {
        const bool present = g < f.genes.size();
        c.push_back(present ? msg::texte_de_la_banque(f.genes[g].nom).dans(langue) : "");
        c.push_back(present && g < i.phenotypes.size() ? i.phenotypes[g] : "");
        c.push_back(present && g < i.genotypes.size() ? i.genotypes[g] : "");
        const bool probabilite = present && g < i.porteur.size() && i.porteur[g];
        c.push_back(probabilite ? nombre(i.porteur[g]->valeur) : "");
    }
    return c;
}

} // namespace

std::size_t nb_genes_max(const std::vector<FamilleReleve>& familles) {
    std::size_t n = 1;
    for (const FamilleReleve& f : familles)
        n = std::max(n, f.genes.size());
    return n;
}

std::string entete_csv(std::size_t nb_genes, Langue langue) {
    std::string sortie = debut_csv;
    std::vector<std::string> entete;
    for (const Texte* t : {&msg::csv_fichier, &msg::csv_graine})
        entete.push_back(t->dans(langue));
    entete.push_back("n");
    for (const Texte* t : {&msg::csv_individu, &msg::csv_sexe, &msg::csv_pere, &msg::csv_mere})
        entete.push_back(t->dans(langue));
    for (std::size_t g = 1; g <= nb_genes; ++g)
        for (const Texte* t :
             {&msg::csv_gene, &msg::csv_phenotype, &msg::csv_genotype, &msg::csv_probabilite})
            entete.push_back(t->avec({Texte::tel_quel(std::to_string(g))}).dans(langue));
    ligne(sortie, entete);
    return sortie;
}

std::string lignes_csv(const FamilleReleve& f, std::size_t nb_genes, Langue langue) {
    std::string sortie;
    for (const IndividuReleve& i : f.individus)
        ligne(sortie, champs_individu(f, i, nb_genes, langue));
    return sortie;
}

std::string csv_des_familles(const std::vector<FamilleReleve>& familles, Langue langue) {
    const std::size_t nb_genes = nb_genes_max(familles);
    std::string sortie = entete_csv(nb_genes, langue);
    for (const FamilleReleve& f : familles)
        sortie += lignes_csv(f, nb_genes, langue);
    return sortie;
}

} // namespace orvan
