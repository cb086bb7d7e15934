// The genotype exercise on the real windows: the question window waits with its caption only,
// then asks modally, and the pupil answers with the keyboard and the mouse.
#include "session_demarree.h"
#include "suites.h"

#include "qt/widgets_dessines.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace orvan;

namespace {

QAction* entree(const QList<QAction*>& actions, const QString& texte) {
    for (QAction* a : actions)
        if (QString(a->text()).remove('&') == texte) return a;
    return nullptr;
}

} // namespace

class InterroGenotypeTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { demarre(session_); }
    void cleanup() { session_.reset(); }

    void une_question_posee_et_corrigee_dans_la_vraie_fenetre() {
        FenetrePrincipale& f = session_->form;
        session_->fenetre.traite([&f] {
            // The founders, then child 3 married: the exercises wait for a third generation.
            for (int k = 1; k <= 3; ++k) {
                f.arbre.clic_individu(k, Bouton::gauche);
                f.phenotypes.premier_phenotype->selectionne(0);
                f.phenotypes.ok->clic();
            }
        });
        QAction* exercices = entree(session_->fenetre.menuBar()->actions(), "Exercices");
        QVERIFY(exercices && exercices->isEnabled() && exercices->menu());
        QAction* genotypes = entree(exercices->menu()->actions(), QString::fromUtf8("Génotypes"));
        QVERIFY(genotypes);
        const std::vector<std::string> journal = f.journal.lignes();
        genotypes->trigger();

        FenetreInterroQt& d = session_->interro();
        QVERIFY(d.isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(d.windowTitle(), QStringLiteral("Cliquez sur un individu"));
        QCOMPARE(d.height(), 1);
        titre_entier(d);

        // The father of colour blindness [D] carries XD once, beside his Y.
        const std::string pere = f.famille.individu(1).genotype(1).texte();
        QVERIFY(pere == "XD,Y" || pere == "Y,XD");
        bool repondu = false;
        QTimer::singleShot(0, &d, [&] {
            repond(d, pere);
            repondu = true;
            // Whatever happened, the pupil leaves.
            clique(d, "CancelBtn");
        });
        // Should the answers go wrong, the window closes all the same rather than hang the test.
        QTimer::singleShot(20000, &d, [&d] {
            if (d.modale()) d.done(QDialog::Rejected);
        });
        QWidget* symbole = session_->fenetre.findChild<QWidget*>("Shape1");
        QVERIFY(symbole);
        QTest::mouseClick(symbole, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(repondu);

        QVERIFY(!d.isVisible());
        QVERIFY(!d.modale());
        QVERIFY(!f.arbre.ped.mode_interro_geno);
        QVERIFY(f.arbre.tab_shape[1]->show_hint);
        // The log keeps the question and the marks of its two answers; nothing else.
        std::vector<std::string> avec_la_question = journal;
        for (const char* l :
             {"question_genotype(1)", "question_genotype(1)=0", "question_genotype(1)=1"})
            avec_la_question.push_back(l);
        QVERIFY(f.journal.lignes() == avec_la_question);
    }

  private:
    // The caption, in a bold face of 14 pixels as window managers write it, beside the
    // window's icon and at least three buttons of a caption bar's usual 24 pixels: it was cut to
    // "Quel est…notype?" in a window of 223 pixels.
    static void titre_entier(const QDialog& d) {
        QFont police = QApplication::font();
        police.setBold(true);
        police.setPixelSize(14);
        const int titre = QFontMetrics(police).horizontalAdvance(d.windowTitle());
        QVERIFY2(d.width() >= std::max(223, titre + 4 * 24), qPrintable(d.windowTitle()));
    }

    // Inside the modal loop: a wrong answer with Enter, then the right one with "OK".
    void repond(FenetreInterroQt& d, const std::string& juste) {
        QCOMPARE(QApplication::activeModalWidget(), &d);
        QVERIFY(d.windowTitle().startsWith(QString::fromUtf8("Quel est le génotype de ")));
        QCOMPARE(d.height(), 127);
        titre_entier(d);
        // The controls keep their client area of 223, centred when the caption widens it.
        QCOMPARE(d.findChild<QWidget*>("surface")->geometry(),
                 QRect((d.width() - 223) / 2, 0, 223, 127));
        auto* edit = d.findChild<QLineEdit*>("Edit1");
        QVERIFY(edit && edit->isVisible());
        // The second gene's box is not shown: its widget may not even have been made.
        const auto* edit2 = d.findChild<QLineEdit*>("Edit2");
        QVERIFY(!edit2 || !edit2->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), edit);
        auto* autre = d.findChild<QPushButton*>("btn_autre");
        QVERIFY(autre && !autre->isEnabled());

        QTest::keyClicks(edit, "xd , xd");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(marque(d, "Label1"), QStringLiteral("non"));
        QCOMPARE(marque(d, "lab_rep"), QString::fromStdString("Réponse\u00a0: " + juste));
        QVERIFY(autre->isEnabled());

        edit->clear();
        QTest::keyClicks(edit, QString::fromStdString(" " + juste));
        clique(d, "BitBtn1");
        QCOMPARE(marque(d, "Label1"), QStringLiteral("oui"));
        QVERIFY(d.isVisible());
    }

    QString marque(FenetreInterroQt& d, const char* nom) {
        auto* l = d.findChild<LabelQt*>(nom);
        return l ? l->texte() : QStringLiteral("?");
    }

    void clique(FenetreInterroQt& d, const char* nom) {
        if (auto* b = d.findChild<QPushButton*>(nom)) QTest::mouseClick(b, Qt::LeftButton);
    }

    std::unique_ptr<SessionQt> session_;
};

static Suite<InterroGenotypeTest> suite;

#include "interro_genotype_test.moc"
