#include "conseil/reglage_frequences.h"

#include "ground/messages.h"
#include "probabilites/espace_genotypes.h"
#include "probabilites/frequences.h"
#include "probabilites/frequences_texte.h"

#include <memory>

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

// What the teacher typed, read gene by gene; a question may come between two genes.
class LectureFrequences : public std::enable_shared_from_this<LectureFrequences> {
  public:
    using Lues = std::map<std::string, FrequencesGene>;
    LectureFrequences(Plateforme& plateforme, std::vector<GeneRegle> regles,
                      std::vector<std::string> textes, std::shared_ptr<Lues> lues,
                      SuiteDe<bool> verdict)
        : plateforme_(plateforme), regles_(std::move(regles)), textes_(std::move(textes)),
          lues_(std::move(lues)), verdict_(std::move(verdict)) {
        lues_->clear();
    }

    // Reads gene k and those after it, then says whether every gene was taken.
    void lit_depuis(std::size_t k) {
        if (k == regles_.size()) return verdict_(true);
        const GeneRegle& g = regles_[k];
        FrequencesGene f;
        Rationnel somme = 0;
        for (std::size_t a = 0; a < g.alleles.size(); ++a) {
            const std::string& texte = textes_[debut_ + a];
            const auto p = lit_frequence(texte);
            if (!p || signe(*p) <= 0) return refuse(g, a, texte);
            f[g.alleles[a]] = *p;
            somme += *p;
        }
        debut_ += g.alleles.size();
        if (somme == 1) return prend(k, std::move(f));
        demande_de_ramener(k, std::move(f), somme);
    }

  private:
    void refuse(const GeneRegle& g, std::size_t a, const std::string& texte) {
        plateforme_.avertissement(msg::frequence_illisible.avec(
            {Texte::tel_quel(g.alleles[a]), Texte::tel_quel(g.affiche), Texte::tel_quel(texte)}));
        verdict_(false);
    }
    void prend(std::size_t k, FrequencesGene f) {
        (*lues_)[regles_[k].nom] = std::move(f);
        lit_depuis(k + 1);
    }
    // A sum other than 1 is brought back to 1 only when the teacher wants it.
    void demande_de_ramener(std::size_t k, FrequencesGene f, const Rationnel& somme) {
        const Texte question = msg::frequences_a_ramener.avec(
            {Texte::tel_quel(regles_[k].affiche), Texte{ecrit_frequence(somme, Langue::francais),
                                                        ecrit_frequence(somme, Langue::anglais)}});
        plateforme_.question_oui_non(question, [moi = shared_from_this(), k, f, somme](bool oui) {
            if (!oui) return moi->verdict_(false);
            FrequencesGene ramenees = f;
            for (auto& [allele, p] : ramenees)
                p /= somme;
            moi->prend(k, std::move(ramenees));
        });
    }

    Plateforme& plateforme_;
    const std::vector<GeneRegle> regles_;
    const std::vector<std::string> textes_;
    std::shared_ptr<Lues> lues_;
    SuiteDe<bool> verdict_;
    std::size_t debut_ = 0;
};

} // namespace

void regle_frequences(Plateforme& plateforme, const std::vector<GeneVu>& genes,
                      std::map<std::string, FrequencesGene>& frequences) {
    if (genes.empty()) return plateforme.avertissement(msg::frequences_sans_gene);
    const std::vector<GeneRegle> regles = genes_regles(genes, plateforme.textes().langue());
    auto lues = std::make_shared<LectureFrequences::Lues>();
    DemandeFormulaire d = demande(plateforme, regles, frequences);
    d.accepte = [&plateforme, regles, lues](const std::vector<std::string>& textes,
                                            SuiteDe<bool> verdict) {
        std::make_shared<LectureFrequences>(plateforme, regles, textes, lues, std::move(verdict))
            ->lit_depuis(0);
    };
    plateforme.montre_formulaire(d, [&frequences, regles, lues](bool pris) {
        if (!pris) return;
        for (const GeneRegle& g : regles)
            frequences[g.nom] = (*lues)[g.nom];
    });
}

} // namespace orvan
