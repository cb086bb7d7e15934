// A pupil changes a son's sex and genotype with the mouse: right click, "féminin", another
// genotype, "Ok".
#include "scene_montree.h"
#include "session_demarree.h"
#include "suites.h"

#include "qt/session_qt.h"
#include "qt/widgets_saisie.h"

#include <QGroupBox>
#include <QHelpEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolTip>
#include <QtTest>

using namespace orvan;

class ChangementGenotypeTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { demarre(session_); }
    void cleanup() { session_.reset(); }

    void clic_droit_sexe_et_genotype_a_la_souris() {
        FenetrePrincipale& f = session_->form;
        // Founders D and D, "XD,Y" and "XD,Xd" from this seed; five children, 3 is a son.
        f.journal.lignes() = {"aleat=73205085",     "bitbtn4click", "group_premclick.0",
                              "bitbtn1click",       "nb_desc=4",    "choix_all(1,left)",
                              "prem_alleleclick.0", "all_okclick",  "choix_all(2,left)",
                              "prem_alleleclick.0", "all_okclick"};
        session_->fenetre.traite([&f] {
            f.historique.rejoue_journal();
            // "Avec info génotype": the symbols show their genotypes as tooltips.
            f.menus.avec_info_genotype->clic();
        });
        QCOMPARE(f.famille.individu(3).genotype(1).texte(), std::string("Y,XD"));
        QCOMPARE(f.arbre.tab_shape[3]->contour, Contour::carre);
        QWidget* symbole = trouve("Shape3");
        QVERIFY(symbole && symbole->isVisible());
        const auto place_label = texte_montre(*session_, 3, RoleTexte::phenotype);
        QVERIFY(place_label);
        const QRgb coin = coin_du_symbole(symbole);

        QTest::mouseClick(symbole, Qt::RightButton, {}, QPoint(3, 3));
        auto* panneau = dynamic_cast<QGroupBox*>(trouve("Group_choix_geno"));
        QVERIFY(panneau && panneau->isVisible());
        QCOMPARE(panneau->title(), QStringLiteral("Changement de génotype"));
        auto* liste = dynamic_cast<RadioGroupeQt*>(trouve("choix_gen1"));
        QVERIFY(liste && liste->boutons().size() == 2);
        QCOMPARE(liste->boutons()[1]->text(), QStringLiteral("Y,Xd"));
        QVERIFY(liste->boutons()[0]->isChecked());
        auto* ok = dynamic_cast<QPushButton*>(trouve("BitBtn8"));
        QVERIFY(ok && ok->isEnabled());

        // "féminin": the square becomes a circle at once, the panel stays open.
        clique_item("choix_sexe", 1);
        QCOMPARE(f.arbre.tab_shape[3]->contour, Contour::cercle);
        QCOMPARE(f.journal.lignes().back(), std::string("choix_sexeclick.1"));
        QVERIFY(coin_du_symbole(symbole) != coin);
        QVERIFY(panneau->isVisible());

        // A woman: the sons' genotypes are greyed and keep their places, the daughters' join
        // the list; "Ok" waits for one of them.
        QVERIFY(liste->boutons().size() == 4);
        QVERIFY(!liste->boutons()[0]->isEnabled() && !liste->boutons()[1]->isEnabled());
        QCOMPARE(liste->boutons()[3]->text(), QStringLiteral("XD,Xd"));
        QVERIFY(!ok->isEnabled());
        clique_item("choix_gen1", 3);
        QCOMPARE(f.journal.lignes().back(), std::string("choix_gen(1,3)"));
        QVERIFY(ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!panneau->isVisible());
        QCOMPARE(f.famille.individu(3).genotype(1).texte(), std::string("XD,Xd"));
        // The tooltips read the genotype plainly, the label's as its symbol's.
        QCOMPARE(symbole->toolTip(), QStringLiteral("XD,Xd"));
        QCOMPARE(f.arbre.tab_label[3]->caption, std::string("[D]"));
        const auto label = texte_montre(*session_, 3, RoleTexte::phenotype);
        QVERIFY(label);
        QWidget* vue = vue_famille(*session_).viewport();
        const QPoint milieu = label->center().toPoint();
        QHelpEvent bulle(QEvent::ToolTip, milieu, vue->mapToGlobal(milieu));
        QApplication::sendEvent(vue, &bulle);
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("XD,Xd"));
        QCOMPARE(label->topLeft(), place_label->topLeft());
        QCOMPARE(f.journal.lignes().back(), std::string("bitbtn8click"));
    }

  private:
    QWidget* trouve(const char* nom) { return session_->fenetre.findChild<QWidget*>(nom); }

    // The view draws the symbol under its widget.
    QRgb coin_du_symbole(QWidget* symbole) {
        return vue_famille(*session_).viewport()->grab(symbole->geometry()).toImage().pixel(3, 3);
    }

    // On the item's round mark: the empty right part of a button takes no clicks.
    void clique_item(const char* groupe, int item) {
        auto* g = dynamic_cast<RadioGroupeQt*>(trouve(groupe));
        QVERIFY(g && g->isVisible());
        QRadioButton* bouton = g->boutons().at(static_cast<std::size_t>(item));
        QTest::mouseClick(bouton, Qt::LeftButton, {}, QPoint(6, bouton->height() / 2));
    }

    std::unique_ptr<SessionQt> session_;
};

static Suite<ChangementGenotypeTest> suite;

#include "saisie_test.moc"
