// The widgets of the other kinds of controls: timers, check boxes, combo boxes, keys, the mouse
// held down on a control, the window itself and the start picture, drawn or kept.
#include "session_demarree.h"
#include "suites.h"

#include "qt/image_depart_en_cache.h"
#include "qt/session_qt.h"
#include "qt/vue_scene.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace orvan;

class ControlesQtTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { demarre(session_); }
    void cleanup() { session_.reset(); }

    void une_minuterie_tique_puis_lecran_suit() {
        FenetrePrincipale& f = session_->form;
        int tics = 0;
        f.coquille.minuterie_demarrage->on_timer = [&] {
            ++tics;
            f.coquille.minuterie_demarrage->enabled = false;
            f.coquille.titre->set_caption("Après le tic");
        };
        auto* minuterie = session_->fenetre.findChild<QTimer*>("Timer_debut");
        QVERIFY(minuterie && !minuterie->isActive());
        f.coquille.minuterie_demarrage->enabled = true;
        session_->fenetre.actualise();
        QVERIFY(minuterie->isActive());
        QCOMPARE(minuterie->interval(), 10);
        QTRY_COMPARE(tics, 1);
        QVERIFY(!minuterie->isActive());
        // The picture's title follows the core's caption.
        QCOMPARE(session_->famille.vue().scene().titre, std::string("Après le tic"));
        QTest::qWait(50);
        QCOMPARE(tics, 1);
    }

    void une_case_cochee_passe_par_le_coeur() {
        FenetrePrincipale& f = session_->form;
        f.genotypes.panneau->visible = true;
        f.genotypes.boites[1]->visible = true;
        CaseACocher& c = *f.genotypes.case_genotype[1][1];
        c.caption = "AA";
        c.checked = false;
        int clics = 0;
        c.on_click = [&] { ++clics; };
        session_->fenetre.actualise();
        auto* boite = session_->fenetre.findChild<QCheckBox*>("pg1");
        QVERIFY(boite && boite->isVisible());
        QCOMPARE(boite->text(), QString("AA"));

        boite->click();
        QVERIFY(c.checked);
        QCOMPARE(clics, 1);
        QVERIFY(boite->isChecked());
        // Unticked by the core, without a click.
        c.checked = false;
        session_->fenetre.actualise();
        QVERIFY(!boite->isChecked());
        QCOMPARE(clics, 1);
    }

    void seul_le_choix_de_lutilisateur_dans_une_liste_deroulante_appelle_le_coeur() {
        FenetrePrincipale& f = session_->form;
        f.genotypes.panneau->visible = true;
        Combo& c = *f.genotypes.nb_descendants;
        int changements = 0;
        c.on_change = [&] { ++changements; };
        session_->fenetre.actualise();
        auto* liste = session_->fenetre.findChild<QComboBox*>("choix_nb_desc2");
        QVERIFY(liste && liste->isVisible());
        QCOMPARE(liste->count(), static_cast<int>(c.items.size()));
        QCOMPARE(liste->currentIndex(), c.index);

        emit liste->activated(3);
        QCOMPARE(c.index, 3);
        QCOMPARE(changements, 1);
        QCOMPARE(liste->currentText(), QString("4"));

        c.index = 1;
        session_->fenetre.actualise();
        QCOMPARE(liste->currentIndex(), 1);
        QCOMPARE(changements, 1);
    }

    void les_touches_de_fonction_vont_a_la_fenetre_du_coeur() {
        std::vector<int> touches;
        session_->form.on_key_down = [&](int t) { touches.push_back(t); };
        QTest::keyClick(&session_->fenetre, Qt::Key_F1);
        QTest::keyClick(&session_->fenetre, Qt::Key_F3);
        QTest::keyClick(&session_->fenetre, Qt::Key_A);
        QCOMPARE(touches, (std::vector<int>{112, 114}));
    }

    void le_controle_presse_garde_la_souris_jusquau_relachement() {
        Panel& panneau = *session_->form.depart.panneau_consigne;
        std::vector<std::string> recu;
        const auto nom = [](Bouton b) { return b == Bouton::gauche ? "g" : "autre"; };
        panneau.on_mouse_down = [&](Bouton b, int x, int y) {
            recu.push_back(std::string("appui ") + nom(b) + " " + std::to_string(x) + "," +
                           std::to_string(y));
        };
        panneau.on_mouse_move = [&](int x, int y) {
            recu.push_back("deplacement " + std::to_string(x) + "," + std::to_string(y));
        };
        panneau.on_mouse_up = [&](Bouton b, int x, int y) {
            recu.push_back(std::string("relachement ") + nom(b) + " " + std::to_string(x) + "," +
                           std::to_string(y));
            panneau.left += 30; // the core moves the panel as it is dragged
        };
        auto* widget = session_->fenetre.findChild<QWidget*>("Panel_info");
        QVERIFY(widget && widget->isVisible());
        const int gauche = widget->x();
        QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(5, 6));
        QTest::mouseMove(widget, QPoint(300, 20)); // beyond the panel: still its own
        QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(300, 20));
        QVERIFY(recu.size() >= 3);
        QCOMPARE(recu.front(), std::string("appui g 5,6"));
        QCOMPARE(recu[recu.size() - 2], std::string("deplacement 300,20"));
        QCOMPARE(recu.back(), std::string("relachement g 300,20"));
        QCOMPARE(widget->x(), gauche + 30);
    }

    void la_fenetre_suit_le_coeur() {
        FenetrePrincipale& f = session_->form;
        FenetreQt& fenetre = session_->fenetre;
        QVERIFY(fenetre.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(fenetre.surface()->palette().color(QPalette::Window), QColor(237, 236, 211));
        f.caption = "Famille de Paul";
        f.visible = false;
        fenetre.actualise();
        QCOMPARE(fenetre.windowTitle(), QString("Famille de Paul"));
        QVERIFY(!fenetre.isVisible());
        f.visible = true;
        fenetre.actualise();
        QVERIFY(fenetre.isVisible());
    }

    void limage_de_depart_est_dessinee() {
        auto* image = session_->fenetre.findChild<QWidget*>("Image1");
        QVERIFY(image && image->isVisible());
        QCOMPARE(image->size(), QSize(446, 410));
        const QImage dessin = image->grab().toImage();
        QSet<QRgb> couleurs;
        for (int y = 0; y < dessin.height(); y += 3)
            for (int x = 0; x < dessin.width(); x += 3)
                couleurs.insert(dessin.pixel(x, y));
        QVERIFY(couleurs.size() > 50);
    }

    // Drawn once, then read back from the user's cache exactly as drawn; a damaged file or other
    // words draw it again, and only the newest picture stays.
    void limage_de_depart_gardee_est_celle_dessinee() {
        // The user's own cache stays out of it, also when a check below fails.
        struct CacheDeTest {
            CacheDeTest() { QStandardPaths::setTestModeEnabled(true); }
            ~CacheDeTest() { QStandardPaths::setTestModeEnabled(false); }
        } cache;
        const std::vector<std::string> francais = {"Orvan", "Sous-titre", "homme", "femme"};
        const QString fichier = fichier_image_depart(QSize(446, 410), 1, francais);
        QVERIFY(!fichier.isEmpty());
        QFile::remove(fichier);
        const QImage dessinee = image_depart(QSize(446, 410), 1, francais);
        QVERIFY(QFileInfo(fichier).size() > 446 * 410 * 4);
        QCOMPARE(image_depart(QSize(446, 410), 1, francais), dessinee);

        QFile abime(fichier);
        QVERIFY(abime.open(QIODevice::ReadWrite));
        abime.resize(abime.size() / 2);
        abime.close();
        QCOMPARE(image_depart(QSize(446, 410), 1, francais), dessinee);
        QVERIFY(QFileInfo(fichier).size() > 446 * 410 * 4);

        const std::vector<std::string> anglais = {"Orvan", "Subtitle", "man", "woman"};
        const QImage autre = image_depart(QSize(446, 410), 1, anglais);
        QVERIFY(autre != dessinee);
        QVERIFY(QFile::exists(fichier_image_depart(QSize(446, 410), 1, anglais)));
        QVERIFY(!QFile::exists(fichier));
        const QImage double_ratio = image_depart(QSize(446, 410), 2, anglais);
        QCOMPARE(double_ratio.size(), QSize(892, 820));
        QCOMPARE(double_ratio.devicePixelRatio(), 2.0);

        // A link at the picture's name, to a file elsewhere, is neither read nor followed.
        const QString lien = fichier_image_depart(QSize(446, 410), 1, francais);
        QTemporaryDir ailleurs;
        const QString victime = ailleurs.filePath(QStringLiteral("victime"));
        QFile v(victime);
        QVERIFY(v.open(QIODevice::WriteOnly) && v.write("intact") == 6);
        v.close();
        QVERIFY(QFile::link(victime, lien));
        QCOMPARE(image_depart(QSize(446, 410), 1, francais), dessinee);
        QVERIFY(QFileInfo(lien).isSymLink());
        QCOMPARE(QFileInfo(victime).size(), 6);
        QFile::remove(lien);
    }

  private:
    std::unique_ptr<SessionQt> session_;
};

static Suite<ControlesQtTest> suite;
#include "controles_qt_test.moc"
