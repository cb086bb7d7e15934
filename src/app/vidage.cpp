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
    const Pedigree& ped = f.arbre.ped;
    for (int k = 1; k <= max_individus; ++k) {
        const Forme& s = *f.arbre.tab_shape[k];
        if (!s.visible) continue;
        const Label& l = *f.arbre.tab_label[k];
        r.push_back({{"n", k},
                     {"forme", s.contour == Contour::carre ? "carre" : "cercle"},
                     {"actif", s.enabled},
                     {"left", s.left},
                     {"top", s.top},
                     {"couleur", hex(s.remplissage)},
                     {"fond", hex(l.fond)},
                     {"etiquette", l.caption},
                     {"bulle", s.hint},
                     {"bulle_etiquette", l.hint},
                     {"geno1", ped.geno1[k]},
                     {"geno2", ped.geno2[k]},
                     {"pheno1", ped.pheno1[k]},
                     {"pheno2", ped.pheno2[k]}});
    }
    return r;
}

json fratries(const Pedigree& ped) {
    json r = json::array();
    for (int u = 0; u < std::min(ped.nb_unions, max_unions + 1); ++u)
        r.push_back(
            {{"u", u}, {"debut", ped.fratrie[u].debut}, {"nb_enfants", ped.fratrie[u].nb_enfants}});
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
                       {"dernier_indiv", f.arbre.ped.dernier_indiv},
                       {"nb_unions", f.arbre.ped.nb_unions},
                       {"individus", individus(f)},
                       {"fratries", fratries(f.arbre.ped)},
                       {"legende", legende(f)},
                       {"relations", relations},
                       {"marques", marques},
                       {"evenements", f.journal.lignes()}};
    // Text that is not valid UTF-8 cannot reach here: files are decoded on reading.
    return etat.dump(2, ' ', false, json::error_handler_t::replace);
}

int vidage(const std::string& fichier, std::ostream& sortie, std::ostream& erreurs,
           Langue messages) {
    PlateformeSilencieuse plateforme;
    plateforme.sortie_erreurs = &erreurs;
    FenetrePrincipale f(plateforme);
    Traduction textes_des_messages;
    textes_des_messages.change(messages);
    plateforme.parle(textes_des_messages);
    f.coquille.demarre();
    f.coquille.sequence_demarrage();
    if (!f.historique.ouvre_fichier(fichier)) return 1;
    sortie << etat_json(f) << '\n';
    return 0;
}

} // namespace orvan
