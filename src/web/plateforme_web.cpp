#include "web/plateforme_web.h"

#include "scene/police_scene.h"
#include "ui/fiche.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>

namespace orvan {

namespace {

json boite_json(const char* genre, const BoiteMessage& b) {
    return {{"genre", genre}, {"titre", b.titre}, {"texte", b.texte}, {"boutons", b.boutons}};
}

// The button the page says was pressed, -1 for the dialog closed by Escape.
int bouton_choisi(const json& reponse) {
    return reponse.is_number_integer() ? reponse.get<int>() : -1;
}

// A name the user typed, made a plain file name of the downloads' folder.
std::string nom_de_fichier(std::string nom) {
    std::replace_if(
        nom.begin(), nom.end(), [](char c) { return c == '/' || c == '\\'; }, '_');
    if (nom.empty() || nom == "." || nom == "..") nom = "famille.gen";
    return nom;
}

json formulaire_json(const DemandeFormulaire& d) {
    json groupes = json::array();
    for (const GroupeFormulaire& g : d.groupes) {
        json champs = json::array();
        for (const ChampFormulaire& c : g.champs)
            champs.push_back(
                {{"libelle", c.libelle}, {"texte", c.texte}, {"par_defaut", c.par_defaut}});
        groupes.push_back({{"titre", g.titre}, {"champs", champs}});
    }
    return {{"genre", "formulaire"},     {"titre", d.titre}, {"explication", d.explication},
            {"groupes", groupes},        {"ok", d.ok},       {"annuler", d.annuler},
            {"par_defaut", d.par_defaut}};
}

} // namespace

void PlateformeWeb::pose(json quoi, std::function<void(const json&)> suite) {
    const int id = prochain_id_++;
    quoi["id"] = id;
    questions.push_back({id, std::move(quoi), std::move(suite)});
}

bool PlateformeWeb::repond(int id, const json& reponse) {
    const auto it = std::find_if(questions.begin(), questions.end(),
                                 [id](const Question& q) { return q.id == id; });
    if (it == questions.end()) return false;
    // Out of the list first: the answer may ask the next question.
    auto suite = std::move(it->suite);
    questions.erase(it);
    if (suite) suite(reponse);
    return true;
}

void PlateformeWeb::ferme_les_modales_closes() {
    for (std::size_t i = 0; i < modales.size();) {
        if (modales[i].fenetre->visible) {
            ++i;
            continue;
        }
        auto apres = std::move(modales[i].apres);
        modales.erase(modales.begin() + static_cast<std::ptrdiff_t>(i));
        if (apres) apres();
        i = 0;
    }
}

// The scene's face at the control's size: the page draws every text in it.
Taille PlateformeWeb::mesure(const std::string& texte, const Police& police) const {
    const double pixels = police.taille * 96.0 / 72.0;
    const double largeur = largeur_texte(texte, pixels) * (police.gras ? 1.06 : 1.0);
    return {static_cast<int>(std::ceil(largeur)), static_cast<int>(std::ceil(pixels * 1.15))};
}

void PlateformeWeb::montre_question(const BoiteMessage& boite, SuiteDe<bool> suite) {
    pose(boite_json("question", boite),
         [suite = std::move(suite)](const json& r) { suite(bouton_choisi(r) == 0); });
}

void PlateformeWeb::montre_question_trois(const BoiteMessage& boite, SuiteDe<ReponseTrois> suite) {
    pose(boite_json("question", boite), [suite = std::move(suite)](const json& r) {
        const int b = bouton_choisi(r);
        suite(b == 0   ? ReponseTrois::accepte
              : b == 1 ? ReponseTrois::refuse
                       : ReponseTrois::annule);
    });
}

void PlateformeWeb::montre_avertissement(const BoiteMessage& boite) {
    pose(boite_json("avertissement", boite), {});
}

void PlateformeWeb::montre_erreur(const BoiteMessage& boite) {
    pose(boite_json("erreur", boite), {});
}

// The page writes the file the user picked (or dropped, or an example) into the families'
// folder and answers its path.
void PlateformeWeb::choisit_ouverture(const DialogueFichier& d, SuiteDe<CheminChoisi> suite) {
    if (fichier_depose) {
        const std::string chemin = std::move(*fichier_depose);
        fichier_depose.reset();
        return suite(chemin);
    }
    pose({{"genre", "ouvrir"},
          {"titre", d.titre},
          {"filtres", d.filtres},
          {"exemples", d.lieu_exemples}},
         [suite = std::move(suite)](const json& r) {
             if (r.is_string()) return suite(r.get<std::string>());
             suite(std::nullopt);
         });
}

// The user names the download; the file written there goes to the page once the event is over.
void PlateformeWeb::choisit_enregistrement(const DialogueFichier& d, SuiteDe<CheminChoisi> suite) {
    const std::string nom = std::filesystem::path(d.depart).filename().string();
    pose({{"genre", "enregistrer"}, {"titre", d.titre}, {"nom", nom.empty() ? "famille.gen" : nom}},
         [this, suite = std::move(suite)](const json& r) {
             if (!r.is_string()) return suite(std::nullopt);
             std::filesystem::create_directories(dossier_telechargements);
             const std::string chemin =
                 std::string(dossier_telechargements) + "/" + nom_de_fichier(r.get<std::string>());
             std::filesystem::remove(chemin);
             suite(chemin);
             if (std::filesystem::exists(chemin)) a_faire.push_back({{"telecharge", chemin}});
         });
}

bool PlateformeWeb::montre_aide(const DemandeAide& aide) {
    a_faire.push_back({{"aide", aide.page}, {"sujet", aide.sujet}});
    return true;
}

HeureUTC PlateformeWeb::heure_utc() const {
    using namespace std::chrono;
    const auto maintenant = system_clock::now();
    const auto ms = duration_cast<milliseconds>(maintenant - floor<days>(maintenant)).count();
    return {static_cast<int>(ms / 3'600'000), static_cast<int>(ms / 60'000 % 60),
            static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)};
}

Capture PlateformeWeb::capture(const Fiche& fenetre) {
    Capture c;
    c.largeur = std::max(0, fenetre.width);
    c.hauteur = std::max(0, fenetre.height);
    c.pixels.assign(static_cast<std::size_t>(c.largeur) * static_cast<std::size_t>(c.hauteur),
                    0xffffffffu);
    return c;
}

ResultatImpression PlateformeWeb::imprime(const Capture&) {
    a_faire.push_back({{"imprime", true}});
    return ResultatImpression::imprimee;
}

void PlateformeWeb::montre_modale(Fiche& fenetre, std::function<void()> apres) {
    fenetre.visible = true;
    modales.push_back({&fenetre, std::move(apres)});
}

void PlateformeWeb::montre_tableau(const DemandeTableau& t) {
    pose({{"genre", "tableau"}, {"titre", t.titre}, {"cases", t.cases}, {"fermer", t.fermer}}, {});
}

void PlateformeWeb::montre_formulaire(const DemandeFormulaire& demande, SuiteDe<bool> suite) {
    pose_formulaire(demande, std::move(suite));
}

// OK gives the fields to `accepte`; a refusal shows the form again with the user's texts.
void PlateformeWeb::pose_formulaire(const DemandeFormulaire& demande, SuiteDe<bool> suite) {
    pose(formulaire_json(demande), [this, demande, suite](const json& r) {
        if (!r.is_array()) return suite(false);
        const auto champs = r.get<std::vector<std::string>>();
        demande.accepte(champs, [this, demande, champs, suite](bool accepte) {
            if (accepte) return suite(true);
            DemandeFormulaire encore = demande;
            std::size_t i = 0;
            for (GroupeFormulaire& g : encore.groupes)
                for (ChampFormulaire& c : g.champs)
                    if (i < champs.size()) c.texte = champs[i++];
            pose_formulaire(encore, suite);
        });
    });
}

} // namespace orvan
