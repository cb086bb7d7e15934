#include "ground/plateforme.h"

#include "ground/messages.h"

namespace orvan {

const Traduction& Plateforme::textes() const {
    static const Traduction francais;
    return textes_ ? *textes_ : francais;
}

void Plateforme::question_oui_non(const Texte& texte, SuiteDe<bool> suite) {
    question_oui_non(textes()(texte), std::move(suite));
}

void Plateforme::question_oui_non(const std::string& texte, SuiteDe<bool> suite) {
    const Traduction& t = textes();
    montre_question({t(msg::avertissement), texte, {t(msg::oui), t(msg::non)}}, std::move(suite));
}

void Plateforme::question_trois(const Texte& texte, const Texte& accepte, const Texte& refuse,
                                const Texte& annule, std::function<void(ReponseTrois)> suite) {
    const Traduction& t = textes();
    montre_question_trois({t(msg::avertissement), t(texte), {t(accepte), t(refuse), t(annule)}},
                          std::move(suite));
}

void Plateforme::avertissement(const Texte& texte) {
    const Traduction& t = textes();
    montre_avertissement({t(msg::avertissement), t(texte), {t(msg::ok)}});
}

void Plateforme::erreur(const Texte& texte) {
    const Traduction& t = textes();
    montre_erreur({t(msg::erreur), t(texte), {t(msg::ok)}});
}

void Plateforme::dialogue_ouvrir(const std::string& repertoire, SuiteDe<CheminChoisi> suite) {
    const Traduction& t = textes();
    choisit_ouverture(
        {t(msg::ouvrir),
         repertoire,
         {t(msg::familles.avec({Texte::tel_quel("*.gen")})), t(msg::tous_les_fichiers)},
         t(msg::exemples)},
        std::move(suite));
}

void Plateforme::dialogue_enregistrer(const std::string& nom_initial, SuiteDe<CheminChoisi> suite) {
    const Traduction& t = textes();
    choisit_enregistrement(
        {t(msg::enregistrer),
         nom_initial,
         {t(msg::familles.avec({Texte::tel_quel("*.gen")})), t(msg::tous_les_fichiers)},
         {}},
        std::move(suite));
}

void Plateforme::dialogue_enregistrer_pdf(const std::string& nom, SuiteDe<CheminChoisi> suite) {
    const Traduction& t = textes();
    choisit_pdf({t(msg::enregistrer_pdf), nom, {t(msg::documents_pdf)}, {}}, std::move(suite));
}

bool Plateforme::ouvrir_aide(const Texte& page, int sujet) {
    const Traduction& t = textes();
    return montre_aide({t(page),
                        sujet,
                        t(msg::aide),
                        {t(msg::precedent), t(msg::suivant), t(msg::fermer)},
                        t(msg::aide_introuvable.avec({page}))});
}

void Plateforme::tableau(const Texte& titre, const std::vector<std::vector<Texte>>& cases) {
    const Traduction& t = textes();
    DemandeTableau d{t(titre), {}, t(msg::fermer)};
    for (const auto& ligne : cases) {
        d.cases.emplace_back();
        for (const Texte& c : ligne)
            d.cases.back().push_back(t(c));
    }
    montre_tableau(d);
}

} // namespace orvan
