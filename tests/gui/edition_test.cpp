// The pupil arranges the family with the real mouse: a sibship line dragged, a vertical line
// clicked, a panel dragged by its frame; the family area scrolls to what lies out of view.
#include "../grande_famille.h"
#include "scene_montree.h"
#include "session_demarree.h"
#include "suites.h"

#include "qt/session_qt.h"

#include <QListView>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

using namespace orvan;

namespace {

// Names the widgets of the window that move or change size.
class GuetteurGeometrie : public QObject {
  public:
    explicit GuetteurGeometrie(QWidget& fenetre) : fenetre_(fenetre) {
        qApp->installEventFilter(this);
    }
    ~GuetteurGeometrie() override { qApp->removeEventFilter(this); }
    QStringList touches;

  protected:
    bool eventFilter(QObject* objet, QEvent* e) override {
        const bool geometrie = e->type() == QEvent::Move || e->type() == QEvent::Resize;
        auto* w = qobject_cast<QWidget*>(objet);
        if (geometrie && w && fenetre_.isAncestorOf(w)) touches << w->objectName();
        return false;
    }

  private:
    QWidget& fenetre_;
};

} // namespace

class EditionTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { demarre(session_); }
    void cleanup() { session_.reset(); }

    void glisser_une_ligne_de_fratrie_deplace_ses_enfants() {
        ouvre_grande_famille();
        QWidget* vue = vue_a_taille_reelle();
        const orvan::Panel& ligne = *session_->form.arbre.tab_union[1];
        QCOMPARE(ligne.left, 519);
        // Where the view shows an individual, from the sibship's first parent.
        const int parent = session_->form.famille.union_numero(1).partenaire1;
        const auto montre = [this, parent](int k) {
            return symbole_montre(*session_, k)->center().x() -
                   symbole_montre(*session_, parent)->center().x();
        };
        const double premier_avant = montre(10), enfant_avant = montre(12),
                     conjoint_avant = montre(9);
        const auto trait = trait_montre(*session_, RoleTrait::fratrie, 1);
        QVERIFY(trait);
        const QPoint prise = sur_le_trait(*session_, *trait, 20);
        QTest::mousePress(vue, Qt::LeftButton, {}, prise);
        {
            // A move within what is already drawn moves no widget: the view draws the line.
            GuetteurGeometrie guetteur(session_->fenetre);
            QTest::mouseMove(vue, prise + QPoint(-15, 1));
            QCOMPARE(guetteur.touches, QStringList{});
        }
        QCOMPARE(ligne.left, 504);
        QTest::mouseMove(vue, prise + QPoint(30, 1));
        QCOMPARE(ligne.left, 549);
        const auto gauche = [this](int k) { return session_->form.arbre.tab_shape[k]->left; };
        QCOMPARE(gauche(12), 594);
        QTest::mouseRelease(vue, Qt::LeftButton, {}, prise + QPoint(30, 1));

        QCOMPARE(session_->form.journal.lignes().back(), std::string("decal_fratrie(1,30)"));
        QCOMPARE(session_->form.journal.lignes().size(), grande_famille.size() + 1);
        // The children moved in the family; the spouse outside the sibship stayed.
        QCOMPARE(gauche(12), 624);
        QCOMPARE(session_->form.arbre.tab_trait[12]->left, 594 + 17 - 2 + 30);
        QCOMPARE(gauche(9), 634);
        // In the picture the children moved alike, from parents that stayed together.
        QCOMPARE(montre(10) - premier_avant, 30.0);
        QCOMPARE(montre(12) - enfant_avant, 30.0);
        QCOMPARE(montre(9), conjoint_avant);
        // In the picture, its tick and its label stand on the child's symbol.
        const QRectF symbole12 = *symbole_montre(*session_, 12);
        QCOMPARE(texte_montre(*session_, 12, RoleTexte::phenotype)->center().x(),
                 symbole12.center().x());
        bool coche = false;
        for (const TraitScene& t : vue_famille(*session_).scene().traits)
            coche |= t.x1 == t.x2 && vue_famille(*session_).vers_ecran(t.boite()).center().x() ==
                                         symbole12.center().x();
        QVERIFY(coche);
        QCOMPARE(ligne.left, 549);

        // A click without a move writes a shift of 0.
        const QPoint ici = sur_le_trait(*session_, *trait_montre(*session_, RoleTrait::fratrie, 1));
        QTest::mouseClick(vue, Qt::LeftButton, {}, ici);
        QCOMPARE(session_->form.journal.lignes().back(), std::string("decal_fratrie(1,0)"));
    }

    void cliquer_une_verticale_plie_puis_deplie() {
        ouvre_grande_famille();
        QWidget* vue = vue_famille(*session_).viewport();
        const orvan::Panel& verticale = *session_->form.arbre.tab_vertic[1];
        const int hauteur = verticale.height;
        QTest::mouseClick(vue, Qt::LeftButton, {}, descente(1));
        QCOMPARE(verticale.height, hauteur - 30);
        QVERIFY(!symbole_montre(*session_, 10) && !trait_montre(*session_, RoleTrait::fratrie, 1));
        QTest::mouseClick(vue, Qt::LeftButton, {}, descente(1));
        QCOMPARE(verticale.height, hauteur);
        QVERIFY(symbole_montre(*session_, 15) && texte_montre(*session_, 15, RoleTexte::phenotype));
        QCOMPARE(session_->form.journal.lignes().back(), std::string("all_okclick"));
    }

    void glisser_un_panneau_par_son_cadre() {
        session_->fenetre.traite([this] { session_->form.historique.montre(); });
        QWidget* panneau = trouve("GroupBox1");
        QVERIFY(panneau && panneau->isVisible());
        QCOMPARE(panneau->pos(), QPoint(452, 40));
        const std::size_t n = session_->form.journal.lignes().size();

        QTest::mousePress(panneau, Qt::LeftButton, {}, QPoint(100, 4));
        QTest::mouseMove(panneau, QPoint(60, 34));
        QCOMPARE(panneau->pos(), QPoint(412, 70));
        // Too far left for its right edge to stay 15 pixels in: only the top follows.
        QTest::mouseMove(panneau, QPoint(100 - 700, 24));
        QCOMPARE(panneau->pos(), QPoint(412, 90));
        QTest::mouseRelease(panneau, Qt::LeftButton, {}, QPoint(100, 4));
        QTest::mouseMove(panneau, QPoint(10, 10));
        QCOMPARE(panneau->pos(), QPoint(412, 90));

        // In a window the user made larger, the panel goes as far as the window shows, past
        // the program's own 698 x 559.
        session_->fenetre.resize(1200, 900);
        const auto& vue = session_->form.partie_visible;
        QTRY_VERIFY(vue && vue->droite == session_->fenetre.zone()->viewport()->width());
        QVERIFY(vue->droite > 1100 && vue->bas > 800);
        QTest::mousePress(panneau, Qt::LeftButton, {}, QPoint(100, 4));
        QTest::mouseMove(panneau, QPoint(100 + 600, 4 + 500));
        QCOMPARE(panneau->pos(), QPoint(1012, 590));
        QTest::mouseRelease(panneau, Qt::LeftButton, {}, QPoint(100, 4));
        QCOMPARE(session_->form.journal.lignes().size(), n);
    }

    void les_curseurs_disent_ce_que_fait_la_souris() {
        ouvre_grande_famille();
        QWidget* vue = vue_famille(*session_).viewport();
        const auto curseur_sur = [vue](QPoint p) {
            QTest::mouseMove(vue, p);
            return vue->testAttribute(Qt::WA_SetCursor) ? vue->cursor().shape() : Qt::ArrowCursor;
        };
        QCOMPARE(
            curseur_sur(sur_le_trait(*session_, *trait_montre(*session_, RoleTrait::fratrie, 1))),
            Qt::SizeHorCursor);
        QCOMPARE(curseur_sur(descente(1)), Qt::SizeVerCursor);
        QCOMPARE(curseur_sur(descente(0)), Qt::ArrowCursor);
        // The generation-2 line is disabled: no cursor of its own.
        QVERIFY(!session_->form.arbre.tab_union[0]->enabled);
        QCOMPARE(
            curseur_sur(sur_le_trait(*session_, *trait_montre(*session_, RoleTrait::fratrie, 0))),
            Qt::ArrowCursor);
        session_->fenetre.traite([this] { session_->form.historique.montre(); });
        QCOMPARE(trouve("GroupBox1")->cursor().shape(), Qt::SizeAllCursor);
        // The controls inside a panel keep the arrow.
        for (const char* nom : {"evenements", "BitBtn12", "ret_arr"}) {
            QVERIFY2(trouve(nom)->testAttribute(Qt::WA_SetCursor), nom);
            QCOMPARE(trouve(nom)->cursor().shape(), Qt::ArrowCursor);
        }
    }

    void la_zone_defile_seulement_quand_il_faut() {
        QScrollArea* zone = session_->fenetre.zone();
        VueScene& vue = vue_famille(*session_);
        QVERIFY(!zone->horizontalScrollBar()->isVisible());
        QVERIFY(!zone->verticalScrollBar()->isVisible());
        ouvre_grande_famille();
        // Fitted, the whole family stands in the window.
        QVERIFY(vue.ajustee());
        QVERIFY(QRectF(vue.viewport()->rect()).contains(*symbole_montre(*session_, 15)));
        QVERIFY(!vue.horizontalScrollBar()->isVisible() &&
                !zone->horizontalScrollBar()->isVisible());
        // At its own size it is wider than the window, not higher.
        vue.taille_reelle();
        QTRY_VERIFY(vue.horizontalScrollBar()->isVisible());
        QVERIFY(!vue.verticalScrollBar()->isVisible());
        vue.horizontalScrollBar()->setValue(vue.horizontalScrollBar()->maximum());
        QTRY_VERIFY(QRectF(vue.viewport()->rect()).contains(*symbole_montre(*session_, 15)));

        // Folded, nothing lies beyond the window any more.
        QTest::mouseClick(vue.viewport(), Qt::LeftButton, {}, descente(1));
        QTRY_VERIFY(!vue.horizontalScrollBar()->isVisible());

        // A small window scrolls both ways; the layout keeps the window size of the core.
        session_->fenetre.resize(400, 150);
        QTRY_VERIFY(vue.horizontalScrollBar()->isVisible() && vue.verticalScrollBar()->isVisible());
        ouvre_grande_famille();
        QCOMPARE(session_->form.width, 698);
        QCOMPARE(session_->form.arbre.tab_shape[3]->left, 99);
        session_->fenetre.resize(1100, 800);
        QTRY_VERIFY(!vue.horizontalScrollBar()->isVisible() &&
                    !vue.verticalScrollBar()->isVisible());
    }

    void lhistorique_garde_sa_derniere_ligne_en_vue() {
        FenetrePrincipale& f = session_->form;
        session_->fenetre.traite([&f] {
            f.historique.montre();
            for (int i = 0; i < 40; ++i)
                f.journal.stock_ev(ev::DecalageFratrie{0, i});
        });
        auto* liste = session_->fenetre.findChild<QListView*>("evenements");
        QVERIFY(liste);
        const auto* modele = liste->model();
        const QRect derniere = liste->visualRect(modele->index(modele->rowCount() - 1, 0));
        QVERIFY(liste->viewport()->rect().contains(derniere));
        QVERIFY(!liste->viewport()->rect().contains(liste->visualRect(modele->index(0, 0))));
    }

  private:
    QWidget* trouve(const char* nom) { return session_->fenetre.findChild<QWidget*>(nom); }

    // The family at its own size, where a pixel of the view is one of the core's.
    QWidget* vue_a_taille_reelle() {
        vue_famille(*session_).taille_reelle();
        return vue_famille(*session_).viewport();
    }

    // On the line down from union u's couple, 5 units under its top.
    QPoint descente(int u) {
        const auto t = trait_montre(*session_, RoleTrait::descente, u);
        return t ? sur_le_trait(*session_, *t, 5) : QPoint();
    }

    void ouvre_grande_famille() {
        FenetrePrincipale& f = session_->form;
        session_->fenetre.traite([&f] {
            f.journal.lignes() = grande_famille;
            f.historique.rejoue_journal();
            // As when the family is opened from its file: the start picture goes.
            f.depart.fait_disparaitre();
        });
        QCOMPARE(f.famille.dernier_indiv(), 15);
    }

    std::unique_ptr<SessionQt> session_;
};

static Suite<EditionTest> suite;

#include "edition_test.moc"
