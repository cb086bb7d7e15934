#include "qt/session_qt.h"

#include "ground/messages.h"
#include "qt/application_gardee.h"
#include "qt/traductions_qt.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

namespace orvan {

// Quits once the watched widget has been painted.
class GuetteurAffichage : public QObject {
  public:
    explicit GuetteurAffichage(QObject* parent) : QObject(parent) {}
    bool arme = false;

  protected:
    bool eventFilter(QObject* objet, QEvent* e) override {
        if (arme && e->type() == QEvent::Paint) {
            arme = false;
            // After this paint has reached the screen.
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return QObject::eventFilter(objet, e);
    }
};

SessionQt::SessionQt(std::vector<std::string> arguments)
    : form(plateforme, std::move(arguments)), fenetre(form),
      impression(form.impression.fenetre, form, &fenetre) {
    plateforme.set_fenetre(&fenetre);
    plateforme.avant_dialogue = [this] { fenetre.actualise(); };
    plateforme.fermeture = [this] { fenetre.ferme_sans_demander(); };
    fenetre.apres_evenement = [this] { apres_evenement(); };
    plateforme.vues[&form] = {fenetre.surface(), [this] { fenetre.actualise(); }, {}};
    plateforme.vues[&form.impression.fenetre] = {&impression, [this] { impression.actualise(); },
                                                 [this] { impression.montre_modale(); }};
    plateforme.vues[&form.interro.dialogue] = {nullptr, [this] { interro().actualise(); },
                                               [this] { interro().execute(); }};
    form.coquille.repertoire_programme = QCoreApplication::applicationDirPath().toStdString();
    form.montre_tableau = [this] {
        tableau().show();
        tableau().raise();
        tableau().activateWindow();
    };
    famille.apres_changement_de_vue = [this] { acces.place_anneau(); };
    acces.apres_changement = [this](int k) {
        if (tableau_) tableau_->choisit_ligne(k);
    };
    form.coquille.apres_changement_langue = [](int langue) {
        installe_traductions_qt(langue == 2 ? "en" : "fr");
    };
    ApplicationGardee::signale = [this](const std::string& quoi) { signale_echec(quoi); };
}

SessionQt::~SessionQt() {
    ApplicationGardee::signale = nullptr;
}

// The family stays as the failed action left it, in view, and takes the pupil's clicks again.
void SessionQt::signale_echec(const std::string& quoi) {
    form.journal.rejeu_en_cours = false;
    form.visible = true;
    fenetre.actualise();
    plateforme.erreur(msg::action_interrompue.avec({Texte::tel_quel(quoi)}));
}

void SessionQt::ouvre() {
    form.coquille.demarre();
    form.visible = true;
    ouverte_ = true;
    fenetre.actualise();
    famille.actualise();
    acces.actualise();
}

FenetreInterroQt& SessionQt::interro() {
    if (!interro_) {
        interro_ =
            std::make_unique<FenetreInterroQt>(form.interro.dialogue, fenetre, *fenetre.surface());
        interro_->apres_evenement = [this] { fenetre.actualise(); };
        plateforme.vues[&form.interro.dialogue].zone_client = interro_.get();
    }
    return *interro_;
}

TableauFamilleQt& SessionQt::tableau() {
    if (!tableau_) {
        tableau_ = new TableauFamilleQt(acces, &fenetre);
        tableau_->actualise();
    }
    return *tableau_;
}

void SessionQt::apres_evenement() {
    if (interro_ || form.interro.dialogue.visible) interro().actualise();
    if (form.actualise_probabilites()) fenetre.actualise();
    famille.actualise();
    acces.actualise();
    if (tableau_) tableau_->actualise();
    if (!ouverte_ || demarree_ || form.coquille.minuterie_demarrage->enabled) return;
    demarree_ = true;
    if (quitter_apres_affichage_) {
        if (guetteur_) guetteur_->arme = true;
        fenetre.surface()->update();
    }
}

void SessionQt::quitte_apres_premier_affichage() {
    quitter_apres_affichage_ = true;
    guetteur_ = new GuetteurAffichage(fenetre.surface());
    fenetre.surface()->installEventFilter(guetteur_);
}

} // namespace orvan
