// A pupil without a mouse: the same three generations built with the keyboard alone and with
// the mouse give the same log and the same family; the table follows the focus.
#include "scene_montree.h"
#include "session_demarree.h"
#include "suites.h"

#include "app/vidage.h"
#include "qt/session_qt.h"
#include "qt/vue_scene.h"
#include "qt/widgets_dessines.h"
#include "qt/widgets_saisie.h"

#include <QAccessible>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

using namespace orvan;

namespace {

// A new family from a known seed, as the start-up leaves it.
void nouvelle_famille(SessionQt& s) {
    FenetrePrincipale& f = s.form;
    f.journal.lignes() = {"aleat=31415926", "bitbtn4click", "group_premclick.0", "bitbtn1click"};
    s.fenetre.traite([&f] { f.historique.rejoue_journal(); });
}

QWidget* focus(SessionQt& s) {
    return s.fenetre.focusWidget();
}

void appuie(SessionQt& s, Qt::Key touche, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QWidget* w = focus(s);
    QVERIFY(w);
    QTest::keyClick(w, touche, m);
}

} // namespace

class ClavierFamilleTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { demarre(session_); }
    void cleanup() { session_.reset(); }

    // The ring shows where the keys act once they are used, and goes under the mouse, where it
    // would read as a selection.
    void lanneau_suit_le_clavier_et_non_la_souris() {
        QWidget* anneau = session_->fenetre.surface()->findChild<QWidget*>("anneau_focus");
        QVERIFY(anneau);
        QVERIFY(!anneau->isVisible());
        appuie(*session_, Qt::Key_Tab);
        QTRY_VERIFY(anneau->isVisible());
        QWidget* fondateur = session_->fenetre.findChild<QWidget*>("Shape2");
        QVERIFY(fondateur);
        QTest::mouseClick(fondateur, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!anneau->isVisible());
    }

    void trois_generations_au_clavier_comme_a_la_souris() {
        nouvelle_famille(*session_);
        construit_a_la_souris();
        const auto journal_souris = session_->form.journal.lignes();
        const std::string etat_souris = etat_json(session_->form);

        session_.reset();
        demarre(session_);
        nouvelle_famille(*session_);
        session_->fenetre.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&session_->fenetre));
        construit_au_clavier();

        QCOMPARE(session_->form.journal.lignes(), journal_souris);
        QCOMPARE(etat_json(session_->form), etat_souris);
        // The shift of the third generation's line, written as the drag writes it.
        QCOMPARE(journal_souris.back(), std::string("decal_fratrie(1,5)"));
    }

    void le_tableau_suit_le_focus_et_le_focus_le_tableau() {
        nouvelle_famille(*session_);
        construit_a_la_souris();
        session_->form.menus.tableau->clic();
        QTableWidget* table = session_->tableau().table();
        const int n = session_->form.famille.dernier_indiv();
        QCOMPARE(table->rowCount(), n);
        QCOMPARE(table->item(0, 0)->text(), QString("I-1"));
        QCOMPARE(table->horizontalHeaderItem(2)->text(), QString("Père"));

        session_->acces.choisit(2, true);
        QCOMPARE(table->item(table->currentRow(), 0)->text(), QString("I-2"));
        table->setCurrentCell(table->rowCount() - 1, 0);
        const int dernier = table->item(table->rowCount() - 1, 0)->data(Qt::UserRole + 1).toInt();
        QCOMPARE(session_->acces.courant(), dernier);
        // Sorted by sex, the rows keep their individuals.
        table->sortItems(1);
        for (int r = 0; r < table->rowCount(); ++r) {
            const int k = table->item(r, 0)->data(Qt::UserRole + 1).toInt();
            const bool femme = table->item(r, 1)->text() == "femme";
            QCOMPARE(femme, session_->form.famille.individu(k).sexe == Sexe::femme);
        }
    }

    // The screen reader reads painted texts as what they say, the family by its name, in the
    // program's language; the individuals' labels are left to their symbols.
    void les_textes_peints_se_lisent() {
        nouvelle_famille(*session_);
        construit_a_la_souris();
        const auto lu = [](QWidget* w) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            return a ? std::pair(a->text(QAccessible::Name), bool(a->state().invisible))
                     : std::pair(QString(), true);
        };
        session_->form.menus.exercice_alleles->clic();
        session_->form.alleles.ok->clic();
        session_->fenetre.actualise();
        auto* marque = dynamic_cast<LabelQt*>(trouve("cor11"));
        QVERIFY(marque);
        QVERIFY(marque->texte() == "bien" || marque->texte() == "faux");
        QCOMPARE(lu(marque), std::pair(marque->texte(), false));
        // The picture draws the labels: no object of the reader says them apart from the symbol.
        QVERIFY(texte_montre(*session_, 1, RoleTexte::phenotype));
        QVERIFY(!trouve("Label1"));
        QCOMPARE(lu(session_->fenetre.surface()).first, QString("Famille"));
        FenetrePrincipale& f = session_->form;
        session_->fenetre.traite([&f] { f.menus.anglais->clic(); });
        QCOMPARE(lu(session_->fenetre.surface()).first, QString("Family"));
    }

  private:
    QWidget* trouve(const QString& nom) { return session_->fenetre.findChild<QWidget*>(nom); }
    QWidget* symbole(int k) { return trouve(QString("Shape%1").arg(k)); }

    void choisit_a_la_souris(int k, int phenotype) {
        QTest::mouseClick(symbole(k), Qt::LeftButton, {}, QPoint(5, 5));
        auto* groupe = dynamic_cast<RadioGroupeQt*>(trouve("prem_allele"));
        QVERIFY(groupe);
        QRadioButton* b = groupe->boutons().at(static_cast<std::size_t>(phenotype));
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
        QTest::mouseClick(trouve("all_OK"), Qt::LeftButton);
    }

    // Founder 1 normal, founder 2 colour-blind, their first child married to a normal wife;
    // the grandchildren's sibship moved 5 pixels to the right.
    void construit_a_la_souris() {
        choisit_a_la_souris(1, 0);
        choisit_a_la_souris(2, 1);
        choisit_a_la_souris(premier_enfant(), 0);
        // The sibship's line where the view draws it, at the picture's own size.
        VueScene& vue = vue_famille(*session_);
        vue.taille_reelle();
        const auto ligne = trait_montre(*session_, RoleTrait::fratrie, 1);
        QVERIFY(ligne);
        const QPoint prise = sur_le_trait(*session_, *ligne);
        QTest::mousePress(vue.viewport(), Qt::LeftButton, {}, prise);
        QTest::mouseMove(vue.viewport(), prise + QPoint(5, 0));
        QTest::mouseRelease(vue.viewport(), Qt::LeftButton, {}, prise + QPoint(5, 0));
    }

    // The leftmost child of the founders.
    int premier_enfant() {
        const auto& famille = session_->acces.famille();
        for (const IndividuDecrit& i : famille)
            if (i.numero == "II-1") return i.k;
        return 0;
    }

    // Enter opens the panel on its first phenotype; Tab and Space pick another; Enter confirms.
    void choisit_au_clavier(int phenotype) {
        QWidget* individu = focus(*session_);
        appuie(*session_, Qt::Key_Return);
        QVERIFY(trouve("choix_alleles")->isVisible());
        QVERIFY(trouve("prem_allele")->isAncestorOf(focus(*session_)));
        for (int i = 0; i < phenotype; ++i)
            appuie(*session_, Qt::Key_Tab);
        appuie(*session_, Qt::Key_Space);
        appuie(*session_, Qt::Key_Return);
        QVERIFY(!trouve("choix_alleles")->isVisible());
        QCOMPARE(focus(*session_), individu);
    }

    void construit_au_clavier() {
        QCOMPARE(focus(*session_), symbole(1));
        choisit_au_clavier(0);
        appuie(*session_, Qt::Key_Right);
        QCOMPARE(focus(*session_), symbole(2));
        choisit_au_clavier(1);
        appuie(*session_, Qt::Key_Down);
        QCOMPARE(focus(*session_), symbole(premier_enfant()));
        choisit_au_clavier(0);
        appuie(*session_, Qt::Key_Down);
        // Folded and unfolded from the parent: nothing in the log, nothing changed.
        appuie(*session_, Qt::Key_Up);
        appuie(*session_, Qt::Key_Up, Qt::AltModifier);
        QVERIFY(!trait_montre(*session_, RoleTrait::fratrie, 1));
        appuie(*session_, Qt::Key_Down, Qt::AltModifier);
        QVERIFY(trait_montre(*session_, RoleTrait::fratrie, 1));
        appuie(*session_, Qt::Key_Down);
        appuie(*session_, Qt::Key_Right, Qt::AltModifier);
    }

    std::unique_ptr<SessionQt> session_;
};

static Suite<ClavierFamilleTest> suite;

#include "clavier_famille_test.moc"
