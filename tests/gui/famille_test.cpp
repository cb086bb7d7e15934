// A pupil builds a family with the mouse on the real widgets.
#include "scene_montree.h"
#include "session_demarree.h"
#include "suites.h"

#include "qt/session_qt.h"
#include "qt/widgets_saisie.h"

#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace orvan;

class FamilleTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { demarre(session_); }
    void cleanup() { session_.reset(); }

    void les_deux_fondateurs_choisis_donnent_des_enfants() {
        choisit_fondateur(trouve("Shape1"), QPoint(5, 5), 0);
        QCOMPARE(session_->form.arbre.tab_label[1]->caption, std::string("[D]"));
        QVERIFY(!enfant_visible(3));
        QTRY_VERIFY(!trouve("Image1")->isVisible());

        // The label lies over the symbol: a click on it opens the founder as well, for another
        // choice.
        const auto label = texte_montre(*session_, 1, RoleTexte::phenotype);
        QVERIFY(label);
        choisit_fondateur(vue_famille(*session_).viewport(), label->center().toPoint(), 1);
        QCOMPARE(session_->form.arbre.tab_label[1]->caption, std::string("[d]"));
        QVERIFY(!enfant_visible(3));
        choisit_fondateur(trouve("Shape2"), QPoint(5, 5), 1);
        const int n = session_->form.famille.dernier_indiv() - 2;
        QVERIFY(n >= 3 && n <= 6);
        for (int k = 3; k <= 2 + n; ++k)
            QVERIFY(enfant_visible(k));
        QVERIFY(trait_montre(*session_, RoleTrait::fratrie, 0));
        QCOMPARE(session_->form.journal.lignes().back(), std::string("all_okclick"));
    }

  private:
    QWidget* trouve(const char* nom) { return session_->fenetre.findChild<QWidget*>(nom); }

    bool enfant_visible(int k) {
        QWidget* w = trouve(("Shape" + std::to_string(k)).c_str());
        return w && w->isVisible();
    }

    void choisit_fondateur(QWidget* ou, QPoint point, int phenotype) {
        QVERIFY(ou && ou->isVisible());
        QTest::mouseClick(ou, Qt::LeftButton, {}, point);
        QWidget* panneau = trouve("choix_alleles");
        QVERIFY(panneau && panneau->isVisible());
        auto* groupe = dynamic_cast<RadioGroupeQt*>(trouve("prem_allele"));
        QVERIFY(groupe);
        QRadioButton* bouton = groupe->boutons().at(phenotype);
        // On its round mark: the empty right part of the button does not take clicks.
        QTest::mouseClick(bouton, Qt::LeftButton, {}, QPoint(6, bouton->height() / 2));
        auto* ok = dynamic_cast<QPushButton*>(trouve("all_OK"));
        QVERIFY(ok && ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!panneau->isVisible());
    }

    std::unique_ptr<SessionQt> session_;
};

static Suite<FamilleTest> suite;

#include "famille_test.moc"
