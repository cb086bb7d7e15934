// The main window as a pupil first sees it, and the way the widgets hand the user's actions to
// the core and show what the core decided.
#include "scene_montree.h"
#include "session_demarree.h"
#include "suites.h"

#include "qt/session_qt.h"
#include "qt/widgets_dessines.h"
#include "qt/widgets_saisie.h"

#include <QAction>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace orvan;

namespace {

QStringList entrees_visibles(QMenuBar* barre) {
    QStringList noms;
    for (QAction* a : barre->actions())
        if (a->isVisible()) noms << QString(a->text()).remove('&');
    return noms;
}

// Our widget classes carry no meta-object of their own: find by name, then cast.
template <class T> T* widget(FenetreQt& f, const char* nom) {
    return dynamic_cast<T*>(f.findChild<QWidget*>(nom));
}

// Counts the paintings of the window's widgets.
class CompteurDessins : public QObject {
  public:
    explicit CompteurDessins(QWidget& fenetre) : fenetre_(fenetre) {
        qApp->installEventFilter(this);
    }
    ~CompteurDessins() override { qApp->removeEventFilter(this); }
    int dessins = 0;

  protected:
    bool eventFilter(QObject* objet, QEvent* e) override {
        if (e->type() == QEvent::Paint && fenetre_.isAncestorOf(qobject_cast<QWidget*>(objet)))
            ++dessins;
        return false;
    }

  private:
    QWidget& fenetre_;
};

QAction* entree(QMenuBar* barre, const QString& texte) {
    for (QAction* a : barre->actions())
        if (QString(a->text()).remove('&') == texte) return a;
    return nullptr;
}

} // namespace

class FenetrePrincipaleTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { demarre(session_); }
    void cleanup() { session_.reset(); }

    void lecran_de_depart_montre_le_titre_et_les_fondateurs() {
        FenetreQt& f = session_->fenetre;
        QCOMPARE(f.size(), QSize(698, 559));
        QCOMPARE(f.windowTitle(), QString::fromStdString(session_->form.caption));

        // The picture's title, whole in the view and centred in the picture.
        VueScene& vue = vue_famille(*session_);
        const Scene& scene = vue.scene();
        QVERIFY(QString::fromStdString(scene.titre).startsWith("Daltonisme d"));
        const auto titre =
            std::find_if(scene.textes.begin(), scene.textes.end(),
                         [&](const TexteScene& t) { return t.texte == scene.titre; });
        QVERIFY(titre != scene.textes.end());
        QVERIFY(QRectF(vue.viewport()->rect()).contains(vue.vers_ecran(titre->boite)));
        QCOMPARE(titre->boite.x + titre->boite.largeur / 2, scene.largeur / 2);

        auto* homme = f.findChild<QWidget*>("Shape1");
        auto* femme = f.findChild<QWidget*>("Shape2");
        QVERIFY(homme && femme);
        QVERIFY(homme->isVisible());
        QVERIFY(femme->isVisible());
        QCOMPARE(session_->form.arbre.tab_shape[1]->left, 698 / 2 - 60);
        QCOMPARE(session_->form.arbre.tab_shape[2]->left, 698 / 2 + 25);
        QCOMPARE(session_->form.arbre.tab_shape[1]->top, 50);
        // Their widgets stand where the picture draws them.
        QCOMPARE(homme->geometry(), symbole_montre(*session_, 1)->toAlignedRect());
        QCOMPARE(femme->geometry(), symbole_montre(*session_, 2)->toAlignedRect());

        auto* aide = f.findChild<QWidget*>("Panel_info");
        QVERIFY(aide && aide->isVisible());
        QVERIFY(f.findChild<QWidget*>("Label45")->isVisible());
        QVERIFY(f.findChild<QWidget*>("Image1")->isVisible());
    }

    void la_barre_de_menus_suit_les_entrees_du_coeur() {
        QMenuBar* barre = session_->fenetre.menuBar();
        QCOMPARE(entrees_visibles(barre),
                 QStringList({"Fichier", "Édition", "Caractère", "Exercices", "Autre famille",
                              "Couleurs", "Historique", "Affichage", "Options", "Outils", "Aide"}));
        // The exercises wait for a family.
        QVERIFY(!entree(barre, "Exercices")->isEnabled());
        for (const char* cachee : {"Calculette", "Saisie phénot./génot."}) {
            QAction* a = entree(barre, QString::fromUtf8(cachee));
            QVERIFY2(a, cachee);
            QVERIFY2(!a->isVisible(), cachee);
        }
        QVERIFY(!entree(barre, "Autre famille")->isEnabled());
        QVERIFY(entree(barre, "Couleurs")->isEnabled());

        // Options: only the ticked entry shows a mark; the separator stays a separator.
        QMenu* options = entree(barre, "Options")->menu();
        QVERIFY(options);
        const QList<QAction*> sous = options->actions();
        QCOMPARE(sous.size(), 7);
        QVERIFY(sous[0]->isChecked());
        QVERIFY(!sous[1]->isChecked());
        QVERIFY(sous[2]->isSeparator());
        QVERIFY(sous[2]->text().isEmpty());
        QVERIFY(sous[3]->menu());
        // Then the drawing options, unticked.
        QVERIFY(sous[4]->isSeparator());
        QCOMPARE(sous[5]->text(), QString("&Motifs"));
        QCOMPARE(sous[6]->text(), QString::fromUtf8("&Numérotation"));
        QVERIFY(!sous[5]->isChecked() && !sous[6]->isChecked());
    }

    // The window's close button asks the core: over a changed family it asks the user, whose
    // "Annuler" keeps the window and the family.
    void la_croix_demande_avant_de_perdre_la_famille() {
        FenetrePrincipale& f = session_->form;
        session_->fenetre.traite([&f] {
            f.journal.lignes().insert(f.journal.lignes().end(),
                                      {"choix_all(1,left)", "prem_alleleclick.0", "all_okclick"});
            f.historique.rejoue_journal();
        });
        QString texte;
        auto* sonde = new QTimer(this);
        sonde->setInterval(10);
        connect(sonde, &QTimer::timeout, [&texte, sonde] {
            if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                sonde->stop();
                texte = b->text();
                QTest::keyClick(b, Qt::Key_Escape);
            }
        });
        sonde->start();
        session_->fenetre.close();
        QVERIFY(texte.startsWith(QString::fromUtf8("Cette famille a changé")));
        QVERIFY(session_->fenetre.isVisible());
        QCOMPARE(f.journal.lignes().size(), std::size_t{7});
    }

    void un_choix_de_menu_passe_par_le_coeur_puis_rafraichit() {
        QMenuBar* barre = session_->fenetre.menuBar();
        // A panel not shown yet may have no widget at all.
        auto* couleurs = session_->fenetre.findChild<QWidget*>("GroupBox5");
        QVERIFY(!couleurs || !couleurs->isVisible());
        entree(barre, "Couleurs")->trigger();
        QVERIFY(session_->form.couleurs.panneau->visible);
        couleurs = session_->fenetre.findChild<QWidget*>("GroupBox5");
        QVERIFY(couleurs && couleurs->isVisible());

        // Ticking the other option moves the mark, as the core decides.
        QMenu* options = entree(barre, "Options")->menu();
        options->actions()[1]->trigger();
        QVERIFY(session_->form.menus.avec_info_genotype->checked);
        QVERIFY(!options->actions()[0]->isChecked());
        QVERIFY(options->actions()[1]->isChecked());
    }

    void un_widget_fait_tard_passe_sous_les_controles_crees_apres() {
        // The panel's first gene box is created before its second: shown after it, in the
        // same place, it still passes under it.
        FenetrePrincipale& f = session_->form;
        Groupe& premier = *f.genotypes.boites[1];
        Groupe& second = *f.genotypes.boites[2];
        QVERIFY(!premier.visible && !second.visible);
        f.genotypes.panneau->visible = true;
        for (RadioGroupe* r : {f.genotypes.radio_genotype[1], f.genotypes.radio_genotype[2]})
            r->visible = false;
        second.visible = true;
        session_->fenetre.actualise();
        premier.left = second.left;
        premier.top = second.top;
        premier.visible = true;
        session_->fenetre.actualise();
        QWidget* panneau = session_->fenetre.findChild<QWidget*>("Group_choix_geno");
        QVERIFY(panneau && panneau->findChild<QWidget*>("GroupBox2")->isVisible());
        const QPoint dedans(second.left + 20, second.top + 30);
        QCOMPARE(panneau->childAt(dedans), panneau->findChild<QWidget*>("GroupBox3"));
    }

    void la_souris_arrive_au_coeur_en_coordonnees_du_controle() {
        entree(session_->fenetre.menuBar(), "Couleurs")->trigger();
        Forme& echantillon = *session_->form.couleurs.figure_legende[1];
        auto* widget = session_->fenetre.findChild<QWidget*>("ess_fig1");
        QVERIFY(widget && widget->isVisible());

        std::vector<std::tuple<Bouton, int, int>> recus;
        auto ancien = echantillon.on_mouse_down;
        echantillon.on_mouse_down = [&](Bouton b, int x, int y) {
            recus.emplace_back(b, x, y);
            ancien(b, x, y);
        };
        const int avant = session_->form.couleurs.indice_couleur[1];
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 7));
        QTest::mouseClick(widget, Qt::RightButton, {}, QPoint(9, 3));
        QCOMPARE(recus.size(), std::size_t(2));
        QVERIFY(recus[0] == std::make_tuple(Bouton::gauche, 5, 7));
        QVERIFY(recus[1] == std::make_tuple(Bouton::droit, 9, 3));
        // One step forward, one back: the sample shows the colour it started from.
        QCOMPARE(session_->form.couleurs.indice_couleur[1], avant);
        QCOMPARE(echantillon.remplissage, session_->form.couleurs.table[avant]);

        // A disabled control ignores the mouse.
        echantillon.enabled = false;
        session_->fenetre.actualise();
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 7));
        QCOMPARE(recus.size(), std::size_t(2));
    }

    void les_bulles_suivent_le_commutateur_general() {
        Forme& homme = *session_->form.arbre.tab_shape[1];
        auto* widget = session_->fenetre.findChild<QWidget*>("Shape1");
        homme.hint = "[AA]";
        homme.show_hint = true;
        session_->form.show_hint_global = false;
        session_->fenetre.actualise();
        QCOMPARE(widget->toolTip(), QString());
        session_->form.show_hint_global = true;
        session_->fenetre.actualise();
        QCOMPARE(widget->toolTip(), QString("[AA]"));
        homme.show_hint = false;
        session_->fenetre.actualise();
        QCOMPARE(widget->toolTip(), QString());
    }

    void le_groupe_radio_montre_le_choix_du_coeur() {
        RadioGroupe& choix = *session_->form.genotypes.sexe;
        session_->form.genotypes.panneau->visible = true;
        choix.index = -1;
        session_->fenetre.actualise();
        auto* groupe = widget<RadioGroupeQt>(session_->fenetre, "choix_sexe");
        QVERIFY(groupe && groupe->isVisible());
        auto boutons = groupe->boutons();
        QCOMPARE(boutons.size(), std::size_t(2));
        QVERIFY(!boutons[0]->isChecked() && !boutons[1]->isChecked());

        int clics = 0;
        choix.on_click = [&] { ++clics; };
        boutons[1]->click();
        QCOMPARE(choix.index, 1);
        QVERIFY(boutons[1]->isChecked() && !boutons[0]->isChecked());
        // A click on the item already chosen changes nothing, and the button stays ticked.
        boutons[1]->click();
        QCOMPARE(clics, 1);
        QVERIFY(boutons[1]->isChecked());

        // Items may change under the buttons at any time.
        choix.items = {"a", "b", "c"};
        choix.index = 2;
        session_->fenetre.actualise();
        boutons = groupe->boutons();
        QCOMPARE(boutons.size(), std::size_t(3));
        QCOMPARE(boutons[2]->text(), QString("c"));
        QVERIFY(boutons[2]->isChecked() && !boutons[1]->isChecked());
        QVERIFY(boutons[0]->y() < boutons[1]->y() && boutons[1]->y() < boutons[2]->y());
    }

    void la_liste_ajoute_les_lignes_nouvelles() {
        Liste& journal = *session_->form.historique.evenements;
        session_->form.historique.panneau->visible = true;
        session_->fenetre.actualise();
        auto* liste = session_->fenetre.findChild<QListView*>("evenements");
        QVERIFY(liste);
        const QAbstractItemModel* modele = liste->model();
        const auto texte = [modele](int i) { return modele->data(modele->index(i, 0)).toString(); };
        QCOMPARE(modele->rowCount(), static_cast<int>(journal.lignes.size()));
        // A line added at the end adds one row; the others stay as they are.
        QSignalSpy remises(modele, &QAbstractItemModel::modelReset);
        journal.lignes.push_back("essai");
        session_->fenetre.actualise();
        QCOMPARE(modele->rowCount(), static_cast<int>(journal.lignes.size()));
        QCOMPARE(texte(modele->rowCount() - 1), QString("essai"));
        QCOMPARE(remises.count(), 0);
        QCOMPARE(liste->visualRect(modele->index(0, 0)).height(), 16);
        journal.lignes.pop_back();
        session_->fenetre.actualise();
        QCOMPARE(modele->rowCount(), static_cast<int>(journal.lignes.size()));
        QCOMPARE(remises.count(), 0);
        journal.lignes = {"un"};
        session_->fenetre.actualise();
        QCOMPARE(modele->rowCount(), 1);
        QCOMPARE(texte(0), QString("un"));
    }

    void un_rafraichissement_sans_changement_ne_redessine_rien() {
        // Still: no animation, every panel made once.
        FenetrePrincipale& f = session_->form;
        f.depart.minuterie_fleche->enabled = false;
        f.historique.panneau->visible = f.couleurs.panneau->visible = true;
        session_->fenetre.actualise();
        QTest::qWait(50);

        CompteurDessins compteur(session_->fenetre);
        for (int i = 0; i < 100; ++i)
            session_->fenetre.actualise();
        QTest::qWait(50);
        QCOMPARE(compteur.dessins, 0);

        // A change repaints what changed.
        f.arbre.tab_shape[1]->remplissage = rgb(255, 0, 0);
        session_->fenetre.actualise();
        QTRY_VERIFY(compteur.dessins > 0);
    }

  private:
    std::unique_ptr<SessionQt> session_;
};

static Suite<FenetrePrincipaleTest> suite;
#include "fenetre_principale_test.moc"
