#include "app/scene_fenetre.h"

#include "app/description_famille.h"
#include "app/famille_vue_fenetre.h"
#include "app/fenetre_principale.h"
#include "ground/messages.h"
#include "probabilites/frequences.h"
#include "probabilites/textes_probabilites.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace orvan {

namespace {

// Under each who may be a carrier: the word, then each gene by its name with its figure; a dot
// in the symbol of a carrier for sure.
void ecrit_probabilites(const FenetrePrincipale& f, APriori a_priori, DonneesScene& d) {
    const FamilleVue vue = famille_vue(f);
    if (vue.individus.empty()) return;
    const auto frequences =
        f.probabilites.frequences.empty() ? frequences_par_defaut() : f.probabilites.frequences;
    LoiEnfantProgramme lois;
    std::optional<MoteurProbabilites> calcul;
    try {
        calcul.emplace(vue, ReglagesProbabilites{a_priori, frequences}, lois);
    } catch (const std::invalid_argument&) {
        return; // a family the engine cannot read as a tree shows no probability
    }
    MoteurProbabilites& moteur = *calcul;
    const ResultatProbabilites resultat = moteur.calcule();
    if (resultat.contradiction) return;
    const Langue langue = f.textes.langue();
    for (std::size_t i = 0; i < resultat.individus.size(); ++i) {
        const ProbabilitesIndividu& p = resultat.individus[i];
        std::vector<std::string> lignes;
        bool peut_etre = false, certain = false;
        for (std::size_t g = 0; g < p.genes.size(); ++g) {
            const Rationnel porteur =
                probabilite_porteur(moteur.espace(static_cast<int>(g)), p.genes[g]);
            peut_etre = peut_etre || porteur > 0;
            certain = certain || porteur == 1;
            lignes.push_back(msg::probabilite_du_gene
                                 .avec({msg::texte_de_la_banque(vue.genes[g].nom),
                                        fraction_et_pourcentage(porteur)})
                                 .dans(langue));
        }
        if (!peut_etre || !individu_valide(p.numero)) continue;
        const bool femme = vue.individus[i].sexe == Sexe::femme;
        lignes.insert(lignes.begin(),
                      (femme ? msg::porteuse_seule : msg::porteur_seul).dans(langue));
        d.probabilites[static_cast<std::size_t>(p.numero)] = std::move(lignes);
        d.porteur_certain[static_cast<std::size_t>(p.numero)] = certain;
    }
}

std::string texte_montre(const Label* l) {
    return l && l->affiche() ? l->caption : std::string();
}

bool montre_un_phenotype(const Famille& famille) {
    for (int k = 1; k <= std::max(2, famille.dernier_indiv()); ++k)
        if (!famille.individu(k).phenotype_affiche.empty()) return true;
    return false;
}

} // namespace

OptionsScene options_de_la_fenetre(const FenetrePrincipale& f) {
    OptionsScene o{f.menus.motifs->checked, f.menus.numerotation->checked, std::nullopt};
    if (f.probabilites.montrees) o.probabilites = f.probabilites.a_priori;
    return o;
}

DonneesScene donnees_de_la_scene(const FenetrePrincipale& f, const OptionsScene& options) {
    DonneesScene d;
    d.famille = &f.famille;
    d.titre = texte_montre(f.coquille.titre);
    if (d.titre.empty()) d.titre = f.textes(msg::la_famille);
    d.sous_titre = texte_montre(f.coquille.nom_fichier_lu);
    // The legend says what the colours mean once a colour means something: a family with no
    // phenotype shown yet has none, and its founders' panels stand where it would be.
    if (montre_un_phenotype(f.famille)) d.noms_legende = f.couleurs.noms_de_la_legende();
    for (std::size_t i = 1; i <= d.noms_legende.size(); ++i)
        d.couleurs_legende.push_back(f.couleurs.figure_legende[i]->remplissage);
    d.nb_entrees_gene1 = f.genes.modele.nb_phenotypes[1];
    d.motifs = options.motifs;
    d.numerotation = options.numerotation;
    for (std::size_t u = 0; u < d.decalages_fratries.size(); ++u)
        d.decalages_fratries[u] = f.arbre.ped.decalages_fratries[u];
    if (options.probabilites) ecrit_probabilites(f, *options.probabilites, d);
    return d;
}

void nomme_les_individus(const FenetrePrincipale& f, const Scene& scene, DonneesScene& d) {
    auto famille = decrit_famille(f);
    for (IndividuDecrit& i : famille)
        for (const auto& [k, numero] : scene.numeros)
            if (k == i.k) i.numero = numero;
    const Langue langue = f.textes.langue();
    for (const IndividuDecrit& i : famille) {
        if (!individu_valide(i.k)) continue;
        d.noms[static_cast<std::size_t>(i.k)] = nom_accessible(i, langue);
        d.descriptions[static_cast<std::size_t>(i.k)] = description_accessible(i, famille, langue);
    }
}

} // namespace orvan
