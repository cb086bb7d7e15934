// What the core asks of the machine, answered by the Qt platform: dialogs, text measures, clock.
#include "suites.h"

#include "ground/messages.h"
#include "qt/conversions_qt.h"
#include "qt/fenetre_qt.h"
#include "qt/menus_qt.h"
#include "qt/minuterie_qt.h"
#include "qt/plateforme_qt.h"
#include "qt/traductions_qt.h"
#include "ui/fiche.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <cstdlib>

using namespace orvan;

namespace {

// Acts on the next message box as soon as it is up, from inside its modal loop.
void repond(std::function<void(QMessageBox&)> action) {
    auto* sonde = new QTimer(qApp);
    sonde->setInterval(10);
    QObject::connect(sonde, &QTimer::timeout, [sonde, action] {
        if (auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            sonde->stop();
            sonde->deleteLater();
            action(*boite);
        }
    });
    sonde->start();
}

// The program's timers hand their ticks to the window: here, to a count.
struct RelaisCompte : Relais {
    int ticks = 0;
    void traite(const std::function<void()>& gestionnaire) override {
        ++ticks;
        gestionnaire();
    }
};

QProgressDialog* progression_montree() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QProgressDialog*>(w); d && d->isVisible()) return d;
    return nullptr;
}

} // namespace

class PlateformeQtTest : public QObject {
    Q_OBJECT

  private slots:
    void la_question_montre_lecran_a_jour_et_rend_la_reponse() {
        PlateformeQt p;
        bool rafraichi = false;
        p.avant_dialogue = [&] { rafraichi = true; };
        QString texte;
        bool ecran_a_jour = false;
        repond([&](QMessageBox& b) {
            texte = b.text();
            ecran_a_jour = rafraichi;
            QCOMPARE(b.icon(), QMessageBox::Warning);
            b.button(QMessageBox::Yes)->click();
        });
        std::vector<bool> reponses;
        const auto note = [&](bool oui) { reponses.push_back(oui); };
        p.question_oui_non("Voulez-vous perdre les données\rdes parents?", note);
        QCOMPARE(texte, QString("Voulez-vous perdre les données\ndes parents?"));
        QVERIFY(ecran_a_jour);

        repond([](QMessageBox& b) { b.button(QMessageBox::No)->click(); });
        p.question_oui_non("Encore?", note);
        QCOMPARE(reponses, (std::vector<bool>{true, false}));
    }

    // Save, Discard and Cancel, in the texts the core gives; Escape cancels.
    void la_question_a_trois_boutons_rend_chaque_reponse() {
        PlateformeQt p;
        const auto demande = [&p] {
            std::optional<ReponseTrois> r;
            p.question_trois(msg::famille_non_enregistree, msg::enregistrer,
                             msg::ne_pas_enregistrer, msg::annuler,
                             [&r](ReponseTrois reponse) { r = reponse; });
            return r;
        };
        // The button of each role, as the desktop places Save, Discard and Cancel.
        const auto bouton = [](QMessageBox& b, QMessageBox::ButtonRole role) {
            for (QAbstractButton* x : b.buttons())
                if (b.buttonRole(x) == role) return x;
            return static_cast<QAbstractButton*>(nullptr);
        };
        QStringList boutons;
        repond([&](QMessageBox& b) {
            // The language set at start-up reaches the box while it is open.
            installe_traductions_qt("fr");
            installe_traductions_qt("en");
            QCoreApplication::processEvents();
            for (const auto role :
                 {QMessageBox::AcceptRole, QMessageBox::DestructiveRole, QMessageBox::RejectRole})
                boutons << bouton(b, role)->text();
            bouton(b, QMessageBox::DestructiveRole)->click();
        });
        QCOMPARE(demande(), ReponseTrois::refuse);
        QCOMPARE(boutons, QStringList({"Enregistrer", "Ne pas enregistrer", "Annuler"}));
        repond([&](QMessageBox& b) { bouton(b, QMessageBox::AcceptRole)->click(); });
        QCOMPARE(demande(), ReponseTrois::accepte);
        repond([](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Escape); });
        QCOMPARE(demande(), ReponseTrois::annule);
    }

    void lerreur_est_une_erreur_et_lavertissement_un_avertissement() {
        PlateformeQt p;
        QMessageBox::Icon icone = QMessageBox::NoIcon;
        repond([&](QMessageBox& b) {
            icone = b.icon();
            b.accept();
        });
        p.erreur(Texte::tel_quel("Impossible de créer le fichier"));
        QCOMPARE(icone, QMessageBox::Critical);
        repond([&](QMessageBox& b) {
            icone = b.icon();
            b.accept();
        });
        p.avertissement(Texte::tel_quel("Attention"));
        QCOMPARE(icone, QMessageBox::Warning);
    }

    void laide_absente_est_signalee_en_francais() {
        const QString avant = QDir::currentPath();
        QTemporaryDir vide;
        QVERIFY(QDir::setCurrent(vide.path()));
        PlateformeQt p;
        QString texte;
        repond([&](QMessageBox& b) {
            texte = b.text();
            b.accept();
        });
        const bool ouverte = p.ouvrir_aide(msg::page_aide, 1);
        QDir::setCurrent(avant);
        QVERIFY(!ouverte);
        QCOMPARE(texte, QString("Le fichier d'aide orvan.html est introuvable."));
    }

    void les_mesures_suivent_la_police_et_les_lignes() {
        PlateformeQt p;
        const Police normale{9, false};
        const Taille une = p.mesure("Daltonisme", normale);
        QVERIFY(une.largeur > 0 && une.hauteur > 0);
        // An empty caption keeps the height of a line.
        const Taille vide = p.mesure("", normale);
        QCOMPARE(vide.hauteur, une.hauteur);
        QVERIFY(vide.largeur > 0 && vide.largeur < une.largeur);
        // The core's line breaks are line breaks.
        const Taille deux = p.mesure("Daltonisme\rd", normale);
        QVERIFY(deux.hauteur >= 2 * une.hauteur - 2);
        QCOMPARE(deux.largeur, une.largeur);
        QVERIFY(p.mesure("Daltonisme", {9, true}).largeur > une.largeur);
        QVERIFY(p.mesure("Daltonisme", {12, false}).hauteur > une.hauteur);
        // What the widgets are drawn with is what was measured.
        const QFontMetrics fm(police_qt(normale));
        QCOMPARE(fm.size(0, "Daltonisme").width(), une.largeur);
    }

    void les_polices_sont_en_pixels_a_96_points_par_pouce() {
        QCOMPARE(police_qt({9, false}).pixelSize(), 12);
        QCOMPARE(police_qt({8, true}).pixelSize(), 11);
        QVERIFY(police_qt({8, true}).bold());
        QCOMPARE(police_qt({12, true}).pixelSize(), 16);
    }

    void les_couleurs_ont_le_rouge_dans_loctet_bas() {
        QCOMPARE(couleur_qt(rgb(255, 0, 0)), QColor(255, 0, 0));
        QCOMPARE(couleur_qt(0x00123456u), QColor(0x56, 0x34, 0x12));
        QCOMPARE(texte_qt("é\r\nx\ry"), QString("é\nx\ny"));
        QCOMPARE(texte_core(QString("génotype")), std::string("génotype"));
    }

    void les_raccourcis_du_coeur_deviennent_ceux_de_qt() {
        QCOMPARE(raccourci_qt(112), QKeySequence(Qt::Key_F1));
        QCOMPARE(raccourci_qt(0x4000 | 'O'), QKeySequence(Qt::CTRL | Qt::Key_O));
        QCOMPARE(raccourci_qt(0x2000 | 0x4000 | 'S'),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
        QVERIFY(raccourci_qt(0).isEmpty());
    }

    // A long task shows nothing for half a second, then its text, its progress and its cancel
    // button, which stops it; the program's timers wait while it shows, and a window runs no
    // handler that reaches it by another road than the mouse (a screen reader's action).
    void la_progression_se_montre_apres_une_demi_seconde_et_sannule() {
        PlateformeQt p;
        Minuterie minuterie("Timer1");
        minuterie.intervalle = 5;
        RelaisCompte relais;
        MinuterieQt minuterie_qt(minuterie, relais, nullptr);
        minuterie_qt.actualise();

        p.commence_progression({"Reconstruction de la famille…", "Annuler", 200});
        QThread::msleep(60);
        QVERIFY(p.progresse(10));
        QVERIFY(!progression_montree());
        QThread::msleep(500);
        QVERIFY(p.progresse(100));
        QProgressDialog* d = progression_montree();
        QVERIFY(d);
        QCOMPARE(d->labelText(), QString("Reconstruction de la famille…"));
        QCOMPARE(d->value() * 2, d->maximum());
        QVERIFY(d->isModal());
        auto* annuler = d->findChild<QPushButton*>();
        QVERIFY(annuler);
        QCOMPARE(annuler->text(), QString("Annuler"));
        QThread::msleep(60);
        QVERIFY(p.progresse(120));
        QCOMPARE(relais.ticks, 0);
        Fiche fiche("Form1");
        FenetreQt fenetre(fiche);
        int gestionnaires = 0;
        fenetre.traite([&] { ++gestionnaires; });
        QCOMPARE(gestionnaires, 0);

        annuler->click();
        QThread::msleep(60);
        QVERIFY(!p.progresse(140));
        p.termine_progression();
        QVERIFY(!progression_montree());
        QTRY_VERIFY(relais.ticks > 0);
        fenetre.traite([&] { ++gestionnaires; });
        QCOMPARE(gestionnaires, 1);

        // A task that cannot be cancelled shows no button.
        p.commence_progression({"Retour à la famille d'avant…", "", 10});
        QThread::msleep(560);
        QVERIFY(p.progresse(5));
        QVERIFY(progression_montree());
        QVERIFY(!progression_montree()->findChild<QPushButton*>());
        p.termine_progression();
    }

    void la_machine_repond_a_lheure_au_repertoire_et_a_lecran() {
        PlateformeQt p;
        const HeureUTC h = p.heure_utc();
        const QTime maintenant = QDateTime::currentDateTimeUtc().time();
        const int ecart = std::abs(maintenant.msecsSinceStartOfDay() -
                                   ((h.h * 60 + h.m) * 60 + h.s) * 1000 - h.ms);
        QVERIFY(ecart < 2000 || ecart > 86'398'000);
        QCOMPARE(QString::fromStdString(p.repertoire_courant()), QDir::currentPath());
        const QRect ecran = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(p.taille_ecran().largeur, ecran.width());
        QCOMPARE(p.taille_ecran().hauteur, ecran.height());
    }
};

static Suite<PlateformeQtTest> suite;
#include "plateforme_qt_test.moc"
