#include "conseil/reglage_frequences.h"

#include "ground/messages.h"
#include "probabilites/espace_genotypes.h"
#include "probabilites/frequences.h"
#include "probabilites/frequences_texte.h"

namespace orvan {

namespace {

struct GeneRegle {
    std::string nom, affiche;
    std::vector<std::string> alleles;
};

std::vector<GeneRegle> genes_regles(const std::vector<GeneVu>& genes, Langue langue) {
    std::vector<GeneRegle> r;
    for (const GeneVu& g : genes)
        r.push_back({g.nom, msg::texte_de_la_banque(g.nom).dans(langue), EspaceGene(g).alleles()});
    return r;
}

DemandeFormulaire demande(const Plateforme& plateforme, const std::vector<GeneRegle>& genes,
                          const std::map<std::string, FrequencesGene>& frequences) {
    const Traduction& t = plateforme.textes();
    const auto defaut = frequences_par_defaut();
    DemandeFormulaire d{t(msg::frequences_titre), t(msg::frequences_explication), {}, t(msg::ok),
                        t(msg::annuler),          t(msg::valeurs_par_defaut),     {}};
    for (const GeneRegle& g : genes) {
        const FrequencesGene actuelles = frequences_du_gene(frequences, g.nom, g.alleles);
        const FrequencesGene initiales = frequences_du_gene(defaut, g.nom, g.alleles);
        GroupeFormulaire groupe{g.affiche, {}};
        for (const std::string& a : g.alleles)
            groupe.champs.push_back({a, ecrit_frequence(actuelles.at(a), t.langue()),
                                     ecrit_frequence(initiales.at(a), t.langue())});
        d.groupes.push_back(std::move(groupe));
    }
    return d;
}

// One gene's fields read, or nullopt once the teacher has been told what is wrong: a text
// that is no frequency, or a sum other than 1 that the teacher does not want brought to 1.
std::optional<FrequencesGene> lit_gene(Plateforme& plateforme, const GeneRegle& g,
                                       const std::vector<std::string>& textes, std::size_t debut) {
    FrequencesGene f;
    mpq_class somme = 0;
    for (std::size_t k = 0; k < g.alleles.size(); ++k) {
        const std::string& texte = textes[debut + k];
        const auto p = lit_frequence(texte);
        if (!p || sgn(*p) <= 0) {
            plateforme.avertissement(msg::frequence_illisible.avec({Texte::tel_quel(g.alleles[k]),
                                                                    Texte::tel_quel(g.affiche),
                                                                    Texte::tel_quel(texte)}));
            return std::nullopt;
        }
        f[g.alleles[k]] = *p;
        somme += *p;
    }
    if (somme == 1) return f;
    const Texte question = msg::frequences_a_ramener.avec(
        {Texte::tel_quel(g.affiche),
         Texte{ecrit_frequence(somme, Langue::francais), ecrit_frequence(somme, Langue::anglais)}});
    if (!plateforme.question_oui_non(question)) return std::nullopt;
    for (auto& [allele, p] : f)
        p /= somme;
    return f;
}

} // namespace

bool regle_frequences(Plateforme& plateforme, const std::vector<GeneVu>& genes,
                      std::map<std::string, FrequencesGene>& frequences) {
    if (genes.empty()) {
        plateforme.avertissement(msg::frequences_sans_gene);
        return false;
    }
    const std::vector<GeneRegle> regles = genes_regles(genes, plateforme.textes().langue());
    std::map<std::string, FrequencesGene> lues;
    DemandeFormulaire d = demande(plateforme, regles, frequences);
    d.accepte = [&](const std::vector<std::string>& textes) {
        lues.clear();
        std::size_t debut = 0;
        for (const GeneRegle& g : regles) {
            const auto f = lit_gene(plateforme, g, textes, debut);
            if (!f) return false;
            lues[g.nom] = *f;
            debut += g.alleles.size();
        }
        return true;
    };
    if (!plateforme.montre_formulaire(d)) return false;
    bool change = false;
    for (const GeneRegle& g : regles) {
        change = change || frequences_du_gene(frequences, g.nom, g.alleles) != lues[g.nom];
        frequences[g.nom] = lues[g.nom];
    }
    return change;
}

} // namespace orvan
