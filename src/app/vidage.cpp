#include "app/vidage.h"

#include "app/fenetre_principale.h"
#include "app/plateforme_silencieuse.h"
#include "app/probabilites_json.h"

#include <cstdio>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>

namespace orvan {

namespace {

std::string hex(Couleur c) {
    char t[8];
    std::snprintf(t, sizeof t, "#%02x%02x%02x", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    return t;
}

// What a left click on an individual opens.
std::string mode_de_saisie(const FenetrePrincipale& f) {
    return f.arbre.ped.mode_saisie == ModeSaisie::phenotypes ? "phenotypes" : "genotypes";
}

using json = nlohmann::ordered_json;

json individus(const FenetrePrincipale& f, const ProbabilitesDeLaFamille* probabilites) {
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
        if (probabilites) r.back()["probabilites"] = probabilites_individu(*probabilites, k);
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

// The log, line by line as the rest is laid out: a copy of a long log as JSON values would
// take several times the file's size.
void ecrit_evenements(const std::vector<std::string>& lignes, std::ostream& sortie) {
    if (lignes.empty()) {
        sortie << "[]";
        return;
    }
    sortie << "[\n";
    for (std::size_t i = 0; i < lignes.size(); ++i)
        sortie << "    " << json(lignes[i]).dump(-1, ' ', false, json::error_handler_t::replace)
               << (i + 1 < lignes.size() ? ",\n" : "\n");
    sortie << "  ]";
}

} // namespace

void ecrit_etat_json(const FenetrePrincipale& f, std::ostream& sortie,
                     std::optional<APriori> a_priori) {
    std::optional<ProbabilitesDeLaFamille> probabilites;
    if (a_priori) probabilites = probabilites_de_la_famille(f, *a_priori);
    const ModeleCaracteres& m = f.genes.modele;
    const json relations = par_gene(m, [&m](int g, int i) {
        return json{{"texte", m.relation[g][i]},
                    {"etat", m.etat_relation[g][i] == EtatEnonce::bon ? "bon" : "faux"}};
    });
    const json marques =
        par_gene(m, [&f](int g, int i) { return json(f.alleles.label_correction[g][i]->caption); });
    const json etat = {{"graine_alea", f.alea.graine_signee()},
                       {"nb_genes", m.nb_genes},
                       {"saisie", mode_de_saisie(f)},
                       {"titre", f.coquille.titre->caption},
                       {"dernier_indiv", f.famille.dernier_indiv()},
                       {"nb_unions", f.famille.nb_unions()},
                       {"individus", individus(f, probabilites ? &*probabilites : nullptr)},
                       {"fratries", fratries(f.famille)},
                       {"legende", legende(f)},
                       {"relations", relations},
                       {"marques", marques}};
    // Text that is not valid UTF-8 cannot reach here: files are decoded on reading.
    std::string tete = etat.dump(2, ' ', false, json::error_handler_t::replace);
    tete.resize(tete.size() - 2); // the closing "\n}": the log follows
    sortie << tete << ",\n  \"evenements\": ";
    ecrit_evenements(f.journal.lignes(), sortie);
    sortie << "\n}";
}

std::string etat_json(const FenetrePrincipale& f, std::optional<APriori> probabilites) {
    std::ostringstream sortie;
    ecrit_etat_json(f, sortie, probabilites);
    return sortie.str();
}

int avec_la_famille_du_fichier(const std::string& fichier, std::ostream& erreurs, Langue messages,
                               const std::function<int(FenetrePrincipale&)>& traite) {
    PlateformeSilencieuse plateforme;
    plateforme.sortie_erreurs = &erreurs;
    FenetrePrincipale f(plateforme);
    Traduction textes_des_messages;
    textes_des_messages.change(messages);
    plateforme.parle(textes_des_messages);
    f.coquille.demarre();
    f.coquille.sequence_demarrage();
    if (!f.historique.ouvre_fichier(fichier)) return 1;
    return traite(f);
}

int vidage(const std::string& fichier, std::ostream& sortie, std::ostream& erreurs, Langue messages,
           std::optional<APriori> probabilites) {
    return avec_la_famille_du_fichier(fichier, erreurs, messages, [&](FenetrePrincipale& f) {
        ecrit_etat_json(f, sortie, probabilites);
        sortie << '\n';
        return 0;
    });
}

} // namespace orvan
