#include "web/session_web.h"

#include "app/scene_fenetre.h"
#include "ground/messages.h"
#include "scene/compose_scene.h"
#include "scene/svg_scene.h"
#include "web/controles_json.h"
#include "web/textes_page.h"

#include <algorithm>
#include <exception>

namespace orvan {

namespace {

std::optional<Bouton> bouton_de(const json& action) {
    const int b = action.value("bouton", 0);
    if (b == 0) return Bouton::gauche;
    if (b == 2) return Bouton::droit;
    if (b == 1) return Bouton::milieu;
    return std::nullopt;
}

// What a control of a window does with the user's action, as the desktop's widget does it.
void agit_sur(Controle& c, const json& action) {
    const std::string quoi = action.value("action", "");
    const int x = action.value("x", 0), y = action.value("y", 0);
    if (quoi == "clic") return c.clic();
    if (!c.enabled) return;
    if (quoi == "souris_bas" || quoi == "souris_haut") {
        const auto b = bouton_de(action);
        auto& gestionnaire = quoi == "souris_bas" ? c.on_mouse_down : c.on_mouse_up;
        if (b && gestionnaire) gestionnaire(*b, x, y);
    } else if (quoi == "souris_bouge") {
        if (c.on_mouse_move) c.on_mouse_move(x, y);
    } else if (auto* r = dynamic_cast<RadioGroupe*>(&c); r && quoi == "radio") {
        r->selectionne(action.value("index", -1));
    } else if (auto* k = dynamic_cast<CaseACocher*>(&c); k && quoi == "coche") {
        k->coche(action.value("valeur", !k->checked));
    } else if (auto* o = dynamic_cast<Combo*>(&c); o && quoi == "combo") {
        o->choix_utilisateur(action.value("index", -1));
    } else if (quoi == "saisie" && c.genre == Genre::saisie) {
        c.caption = action.value("texte", "");
    } else if (auto* m = dynamic_cast<Minuterie*>(&c); m && quoi == "tic") {
        m->tic();
    }
}

} // namespace

SessionWeb::SessionWeb(std::vector<std::string> arguments, Taille ecran)
    : f((plateforme.ecran = ecran, plateforme), std::move(arguments)) {
    f.exporte_image = [this] { plateforme.a_faire.push_back({{"exporte_image", true}}); };
    // The pedigree, its title and legend are drawn from the scene; the windows of the class and its
    // statistics, its table and the PED export are the desktop's.
    for (int k = 1; k <= max_individus; ++k)
        omis_.insert({f.arbre.tab_shape[k], f.arbre.tab_label[k], f.arbre.tab_trait[k]});
    for (int u = 0; u <= max_unions; ++u)
        omis_.insert({f.arbre.tab_couple[u], f.arbre.tab_union[u], f.arbre.tab_vertic[u]});
    omis_.insert({f.coquille.titre, f.coquille.nom_fichier_lu});
    omis_.insert({f.menus.exporter, f.menus.exporter_ped, f.menus.outils, f.menus.statistiques,
                  f.menus.classe, f.menus.tableau});
    omis_.erase(nullptr);
    traite({{"action", "demarre"}});
}

Fiche* SessionWeb::fenetre(const std::string& nom) {
    if (nom.empty() || nom == f.nom()) return &f;
    for (const auto& m : plateforme.modales)
        if (m.fenetre->nom() == nom) return m.fenetre;
    return nullptr;
}

// As the desktop's window after each event: the modal windows that closed go on, the
// probabilities follow the family. An error ends the action, never the page.
void SessionWeb::traite(const json& action) {
    try {
        agit(action);
        plateforme.ferme_les_modales_closes();
        f.actualise_probabilites();
    } catch (const std::exception& e) {
        signale_echec(e.what());
    }
}

void SessionWeb::signale_echec(const std::string& quoi) {
    f.journal.rejeu_en_cours = false;
    f.visible = true;
    plateforme.erreur(msg::action_interrompue.avec({Texte::tel_quel(quoi)}));
}

void SessionWeb::agit(const json& action) {
    const std::string quoi = action.value("action", "");
    // A dropped file waits through the questions before the open dialog, and no longer.
    if (quoi != "reponse") plateforme.fichier_depose.reset();
    if (quoi == "demarre") {
        f.coquille.demarre();
        f.visible = true;
        return;
    }
    if (quoi == "reponse") {
        plateforme.repond(action.value("id", 0),
                          action.contains("reponse") ? action["reponse"] : json());
        return;
    }
    // A file dropped on the page opens as "Ouvrir" would open it, questions included.
    if (quoi == "ouvre_fichier") {
        plateforme.fichier_depose = action.value("chemin", "");
        f.menus.ouvrir->clic();
        return;
    }
    if (quoi == "individu") return clic_individu(action.value("individu", 0), *bouton_de(action));
    Fiche* fiche = fenetre(action.value("fenetre", ""));
    if (!fiche) return;
    if (quoi == "touche") {
        if (fiche->on_key_down) fiche->on_key_down(action.value("code", 0));
    } else if (quoi == "fermer") {
        if (fiche->on_close)
            fiche->on_close();
        else
            fiche->visible = false;
    } else if (quoi == "vue") {
        fiche->partie_visible =
            Fiche::PartieVisible{action.value("gauche", 0), action.value("haut", 0),
                                 action.value("droite", 0), action.value("bas", 0)};
    } else {
        const auto& composants = fiche->composants();
        const auto i = action.value("controle", -1);
        if (i >= 0 && static_cast<std::size_t>(i) < composants.size())
            agit_sur(*composants[i], action);
    }
}

// A press and its release on the individual's symbol, as the mouse gives them on the desktop.
void SessionWeb::clic_individu(int k, Bouton bouton) {
    if (k < 1 || k > max_individus) return;
    Forme& symbole = *f.arbre.tab_shape[k];
    if (!symbole.visible || !symbole.enabled) return;
    if (symbole.on_mouse_down) symbole.on_mouse_down(bouton, symbole.width / 2, symbole.height / 2);
    if (symbole.on_mouse_up) symbole.on_mouse_up(bouton, symbole.width / 2, symbole.height / 2);
}

// The scene with the options of "Affichage", and where it stands in the window: its first
// symbol over that individual's symbol in the window, so that the panels opened by a click
// stand beside what was clicked.
json SessionWeb::famille_json() {
    const OptionsScene options = options_de_la_fenetre(f);
    DonneesScene donnees = donnees_de_la_scene(f, options);
    const Scene scene = compose_scene(donnees);
    nomme_les_individus(f, scene, donnees);
    json actifs = json::array();
    double x = 0, y = 0;
    for (const SymboleScene& s : scene.symboles) {
        const Forme& symbole = *f.arbre.tab_shape[s.individu];
        if (symbole.enabled && symbole.on_mouse_down) actifs.push_back(s.individu);
        if (&s == &scene.symboles.front()) {
            x = symbole.left - s.boite.x;
            y = symbole.top - s.boite.y;
        }
    }
    return {{"svg", scene.symboles.empty() ? "" : svg_de_la_scene(scene, donnees)},
            {"largeur", scene.largeur},
            {"hauteur", scene.hauteur},
            {"x", std::max(0.0, x)},
            {"y", std::max(0.0, y)},
            {"actifs", actifs}};
}

json SessionWeb::etat() {
    json fenetres = json::array({fiche_json(f, omis_)});
    for (const auto& m : plateforme.modales)
        fenetres.push_back(fiche_json(*m.fenetre));
    json questions = json::array();
    for (const auto& q : plateforme.questions)
        questions.push_back(q.quoi);
    json r{{"langue", static_cast<int>(f.textes.langue())},
           {"textes", textes_de_la_page(f.textes.langue())},
           {"fenetres", fenetres},
           {"questions", questions},
           {"famille", famille_json()},
           {"a_faire", plateforme.a_faire}};
    plateforme.a_faire.clear();
    return r;
}

} // namespace orvan
