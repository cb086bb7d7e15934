#include "app/vidage.h"

#include "app/fenetre_principale.h"
#include "app/plateforme_silencieuse.h"

#include <cstdio>
#include <nlohmann/json.hpp>
#include <ostream>

namespace orvan {

namespace {

std::string hex(Couleur c) {
    char t[8];
    std::snprintf(t, sizeof t, "#%02x%02x%02x", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    return t;
}

// What a left click on an individual opens.
std::string mode_de_saisie(const FenetrePrincipale& f) {
    if (f.menus.saisie_phenotypes->checked) return "phenotypes";
    return f.menus.saisie_genotypes->checked ? "genotypes" : "";
}

using json = nlohmann::ordered_json;

json individus(const FenetrePrincipale& f) {
    json r = json::array();
    for (int k = 1; k <= max_individus; ++k) {
        const Individu& i = f.famille.individu(k);
        if (!i.visible) continue;
        r.push_back({{"n", k},
                     {"forme", i.sexe == Sexe::homme ? "carre" : "cercle"},
                     {"actif", i.actif},
                     {"left", i.position.gauche},
                     {"top", i.position.haut},
                     {"couleur", hex(f.arbre.tab_shape[k]->remplissage)},
                     {"fond", hex(f.arbre.tab_label[k]->fond)},
                     {"etiquette", i.phenotype_affiche},
                     {"bulle", i.bulle()},
                     {"bulle_etiquette", i.bulle_etiquette},
                     {"geno1", i.genotype(1).texte()},
                     {"geno2", i.genotype(2).texte()},
                     {"pheno1", i.phenotype(1)},
                     {"pheno2", i.phenotype(2)}});
    }
    return r;
}

// The sibships drawn, each after the number before its first child.
json fratries(const Famille& famille) {
    json r = json::array();
    const auto unions = famille.unions_tirees();
    for (std::size_t u = 0; u < unions.size(); ++u)
        r.push_back({{"u", u},
                     {"debut", unions[u].premier_enfant - 1},
                     {"nb_enfants", unions[u].nb_enfants}});
    return r;
}

json legende(const FenetrePrincipale& f) {
    json r = json::array();
    for (int i = 1; i <= std::min(f.genes.modele.nb_phenotypes_total, max_legende); ++i)
        r.push_back({{"nom", f.couleurs.nom_legende[i]->caption},
                     {"couleur", hex(f.couleurs.figure_legende[i]->remplissage)}});
    return r;
}

// One list per gene, the second empty with one gene.
template <class Enonce> json par_gene(const ModeleCaracteres& m, Enonce enonce) {
    json r = json::array();
    for (int g = 1; g <= 2; ++g) {
        json gene = json::array();
        if (g <= m.nb_genes)
            for (int i = 1; i <= std::min(m.nb_relations[g], max_relations); ++i)
                gene.push_back(enonce(g, i));
        r.push_back(gene);
    }
    return r;
}

} // namespace

std::string etat_json(const FenetrePrincipale& f) {
    const ModeleCaracteres& m = f.genes.modele;
    const json relations = par_gene(m, [&m](int g, int i) {
        return json{{"texte", m.relation[g][i]}, {"etat", m.etat_relation[g][i]}};
    });
    const json marques =
        par_gene(m, [&f](int g, int i) { return json(f.alleles.label_correction[g][i]->caption); });
    const json etat = {{"graine_alea", f.alea.graine_signee()},
                       {"nb_genes", m.nb_genes},
                       {"saisie", mode_de_saisie(f)},
                       {"titre", f.coquille.titre->caption},
                       {"dernier_indiv", f.famille.dernier_indiv},
                       {"nb_unions", f.famille.nb_unions},
                       {"individus", individus(f)},
                       {"fratries", fratries(f.famille)},
                       {"legende", legende(f)},
                       {"relations", relations},
                       {"marques", marques},
                       {"evenements", f.journal.lignes()}};
    // Text that is not valid UTF-8 cannot reach here: files are decoded on reading.
    return etat.dump(2, ' ', false, json::error_handler_t::replace);
}

int vidage(const std::string& fichier, std::ostream& sortie, std::ostream& erreurs) {
    PlateformeSilencieuse plateforme;
    plateforme.sortie_erreurs = &erreurs;
    FenetrePrincipale f(plateforme);
    f.coquille.demarre();
    f.coquille.sequence_demarrage();
    if (!f.historique.ouvre_fichier(fichier)) return 1;
    sortie << etat_json(f) << '\n';
    return 0;
}

} // namespace orvan
