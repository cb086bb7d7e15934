// Each event as the line the log holds for it.
#include "history/evenement.h"

namespace orvan {

namespace {

std::string nombre(std::int64_t n) {
    return std::to_string(n);
}

std::string paire(const char* cle, std::int64_t a, std::int64_t b) {
    return std::string(cle) + "(" + nombre(a) + "," + nombre(b) + ")";
}

struct Ecriture {
    std::string operator()(const ev::Graine& e) const {
        // The log has always written its seed signed.
        return "aleat=" + nombre(static_cast<std::int32_t>(e.graine));
    }
    std::string operator()(const ev::UnGene&) const { return "bitbtn4click"; }
    std::string operator()(const ev::DeuxGenes&) const { return "bitbtn5click"; }
    std::string operator()(const ev::ChoixGene& e) const {
        return (e.liste == 2 ? "group_secclick." : "group_premclick.") + nombre(e.index);
    }
    std::string operator()(const ev::GenesConfirmes&) const { return "bitbtn1click"; }
    std::string operator()(const ev::ChoixIndividu& e) const {
        return "choix_all(" + nombre(e.individu) + (e.bouton_droit ? ",right)" : ",left)");
    }
    std::string operator()(const ev::ChoixPhenotype& e) const {
        return (e.gene == 2 ? "sec_alleleclick." : "prem_alleleclick.") + nombre(e.index);
    }
    std::string operator()(const ev::NombreDescendants& e) const {
        return "nb_desc=" + nombre(e.index);
    }
    std::string operator()(const ev::PhenotypesConfirmes&) const { return "all_okclick"; }
    std::string operator()(const ev::PhenotypesAnnules&) const { return "all_annulclick"; }
    std::string operator()(const ev::SaisieDesPhenotypes&) const { return "menu_phenoclick"; }
    std::string operator()(const ev::SaisieDesGenotypes&) const { return "menu_genoclick"; }
    std::string operator()(const ev::GenotypeCoche& e) const {
        return paire("choix_genotype", e.gene, e.genotype);
    }
    std::string operator()(const ev::GenotypeChoisi& e) const {
        return paire("choix_gen", e.gene, e.index);
    }
    std::string operator()(const ev::ChoixSexe& e) const {
        return "choix_sexeclick." + nombre(e.index);
    }
    std::string operator()(const ev::GenotypesConfirmes&) const { return "bitbtn8click"; }
    std::string operator()(const ev::AllelesMarques&) const { return "bitbtn6click"; }
    std::string operator()(const ev::AllelesAnnules&) const { return "bitbtn7click"; }
    std::string operator()(const ev::ReponsesFermees&) const { return "ferme_reponsesclick"; }
    std::string operator()(const ev::ReponseCochee& e) const {
        return paire("coche_reponse", e.gene, e.enonce) + (e.coche ? "=1" : "=0");
    }
    std::string operator()(const ev::RegleChromosomeSexuel&) const {
        return "gametes_chromosome_sexuel";
    }
    std::string operator()(const ev::RegleCouples&) const { return "couples_homme_femme"; }
    std::string operator()(const ev::QuestionGenotype& e) const {
        std::string ligne = "question_genotype(" + nombre(e.individu) + ")";
        if (!e.justes.empty()) ligne += "=";
        for (bool juste : e.justes)
            ligne += juste ? "1" : "0";
        return ligne;
    }
    std::string operator()(const ev::DecalageFratrie& e) const {
        return paire("decal_fratrie", e.fratrie, e.decalage);
    }
    std::string operator()(const ev::CouleursLegende& e) const {
        std::string ligne = "couleur=(";
        for (int i = 1; i <= max_legende; ++i)
            ligne += nombre(e.numeros[i]) + (i < max_legende ? "," : ")");
        return ligne;
    }
};

} // namespace

std::string ecrit_evenement(const Evenement& e) {
    return std::visit(Ecriture{}, e);
}

} // namespace orvan
