#include "ground/plateforme.h"

#include "ground/messages.h"

namespace orvan {

const Traduction& Plateforme::textes() const {
    static const Traduction francais;
    return textes_ ? *textes_ : francais;
}

bool Plateforme::question_oui_non(const Texte& texte) {
    return question_oui_non(textes()(texte));
}

bool Plateforme::question_oui_non(const std::string& texte) {
    const Traduction& t = textes();
    return montre_question({t(msg::avertissement), texte, {t(msg::oui), t(msg::non)}});
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

std::optional<std::string> Plateforme::dialogue_ouvrir(const std::string& repertoire) {
    const Traduction& t = textes();
    return choisit_ouverture(
        {t(msg::ouvrir),
         repertoire,
         {t(msg::familles.avec({Texte::tel_quel("*.gen")})), t(msg::tous_les_fichiers)},
         t(msg::exemples)});
}

std::optional<std::string> Plateforme::dialogue_enregistrer(const std::string& nom_initial) {
    const Traduction& t = textes();
    return choisit_enregistrement(
        {t(msg::enregistrer),
         nom_initial,
         {t(msg::familles.avec({Texte::tel_quel("*.gen")})), t(msg::tous_les_fichiers)},
         {}});
}

std::optional<std::string> Plateforme::dialogue_enregistrer_pdf(const std::string& nom) {
    const Traduction& t = textes();
    return choisit_pdf({t(msg::enregistrer_pdf), nom, {t(msg::documents_pdf)}, {}});
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
