#include "app/classe.h"

#include "ground/messages.h"
#include "ground/texte.h"
#include "history/evenement.h"
#include "statistiques/rapport.h"
#include "statistiques/tableur.h"

#include <algorithm>

namespace orvan {

namespace {

// The question being answered: its individual and the marks of its last answer.
struct QuestionEnCours {
    std::int64_t individu = 0;
    std::vector<bool> justes;
};

void compte(QuestionsGenotype& q, const std::optional<QuestionEnCours>& derniere) {
    if (!derniere) return;
    ++q.posees;
    if (derniere->justes.empty()) return;
    const bool juste =
        std::all_of(derniere->justes.begin(), derniere->justes.end(), [](bool j) { return j; });
    ++(juste ? q.justes : q.fausses);
}

Texte entier(int n) {
    return Texte::tel_quel(std::to_string(n));
}

CelluleClasse nombre_entier(int n) {
    return {entier(n), n};
}

Texte noms_des_genes(const std::vector<std::string>& genes) {
    Texte r;
    for (std::size_t g = 0; g < genes.size(); ++g)
        r = (g ? r + ", " : r) + msg::texte_de_la_banque(genes[g]);
    return r;
}

} // namespace

QuestionsGenotype questions_du_journal(const std::vector<std::string>& lignes) {
    QuestionsGenotype q;
    std::optional<QuestionEnCours> derniere;
    std::vector<Evenement> evenements;
    for (const std::string& l : lignes) {
        lit_evenements(l, evenements);
        for (const Evenement& e : evenements) {
            const auto* question = std::get_if<ev::QuestionGenotype>(&e);
            if (!question) continue;
            // Marks without their question (a line lost) stand for a question of their own.
            if (question->justes.empty() || !derniere || derniere->individu != question->individu) {
                compte(q, derniere);
                derniere = QuestionEnCours{question->individu, {}};
            }
            if (!question->justes.empty()) derniere->justes = question->justes;
        }
    }
    compte(q, derniere);
    return q;
}

bool reponses_laissees_ouvertes(const std::vector<std::string>& lignes) {
    bool ouvertes = false;
    std::vector<Evenement> evenements;
    for (const std::string& l : lignes) {
        lit_evenements(l, evenements);
        for (const Evenement& e : evenements) {
            if (std::holds_alternative<ev::ReponseCochee>(e) ||
                std::holds_alternative<ev::AllelesMarques>(e))
                ouvertes = true;
            if (std::holds_alternative<ev::ReponsesFermees>(e) ||
                std::holds_alternative<ev::AllelesAnnules>(e))
                ouvertes = false;
        }
    }
    return ouvertes;
}

std::optional<double> score(const EleveReleve& e) {
    const int sur = e.bien + e.faux + e.questions.posees;
    if (sur == 0) return std::nullopt;
    return 100.0 * (e.bien + e.questions.justes) / sur;
}

std::vector<Texte> colonnes_classe() {
    return {msg::colonne_eleve,
            msg::colonne_genes,
            msg::colonne_individus,
            msg::colonne_generations,
            msg::colonne_troisieme_generation,
            msg::colonne_enonces,
            msg::colonne_coches,
            msg::colonne_bien,
            msg::colonne_faux,
            msg::colonne_questions,
            msg::colonne_justes,
            msg::colonne_fausses,
            msg::colonne_score};
}

std::vector<CelluleClasse> cellules_eleve(const EleveReleve& e) {
    const bool troisieme = e.generations >= 3;
    const std::optional<double> s = score(e);
    return {
        {Texte::tel_quel(e.nom), std::nullopt},
        {noms_des_genes(e.genes), std::nullopt},
        nombre_entier(e.individus),
        nombre_entier(e.generations),
        {troisieme ? msg::oui_minuscule : msg::non_minuscule, troisieme ? 1 : 0},
        nombre_entier(e.enonces),
        nombre_entier(e.coches),
        nombre_entier(e.bien),
        nombre_entier(e.faux),
        nombre_entier(e.questions.posees),
        nombre_entier(e.questions.justes),
        nombre_entier(e.questions.fausses),
        {s ? nombre(*s, 1) : Texte(), s},
    };
}

std::string csv_de_la_classe(const std::vector<EleveReleve>& eleves, Langue langue) {
    const FormatCsv format = format_csv(langue);
    std::string sortie = debut_csv;
    std::vector<std::string> champs;
    for (const Texte& c : colonnes_classe())
        champs.push_back(c.dans(langue));
    ligne_csv(sortie, champs, format);
    for (const EleveReleve& e : eleves) {
        champs.clear();
        // The score's text has the language's decimal mark, as the format wants it.
        for (const CelluleClasse& c : cellules_eleve(e))
            champs.push_back(c.texte.dans(langue));
        ligne_csv(sortie, champs, format);
    }
    return sortie;
}

std::string texte_de_la_classe(const std::vector<EleveReleve>& eleves, Langue langue) {
    std::vector<std::vector<std::string>> lignes(1);
    for (const Texte& c : colonnes_classe())
        lignes[0].push_back(c.dans(langue));
    for (const EleveReleve& e : eleves) {
        lignes.emplace_back();
        for (const CelluleClasse& c : cellules_eleve(e))
            lignes.back().push_back(c.texte.dans(langue));
    }
    std::vector<std::size_t> largeurs(lignes[0].size(), 0);
    for (const auto& l : lignes)
        for (std::size_t i = 0; i < l.size(); ++i)
            largeurs[i] = std::max(largeurs[i], nb_caracteres(l[i]));
    std::string sortie;
    for (const auto& l : lignes) {
        std::string ligne;
        for (std::size_t i = 0; i < l.size(); ++i)
            ligne += l[i] +
                     std::string(i + 1 < l.size() ? largeurs[i] - nb_caracteres(l[i]) + 2 : 0, ' ');
        sortie += ligne + "\n";
    }
    return sortie;
}

} // namespace orvan
