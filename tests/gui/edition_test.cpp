// The pupil arranges the family with the real mouse: a sibship line dragged, a vertical line
// clicked, a panel dragged by its frame; the family area scrolls to what lies out of view.
#include "../grande_famille.h"
#include "session_demarree.h"
#include "suites.h"

#include "qt/session_qt.h"

#include <QListView>
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
        QWidget* ligne = trouve("union_enfant1");
        QCOMPARE(ligne->x(), 519);
        QTest::mousePress(ligne, Qt::LeftButton, {}, QPoint(20, 2));
        {
            // A move within what is already drawn touches the line alone.
            GuetteurGeometrie guetteur(session_->fenetre);
            QTest::mouseMove(ligne, QPoint(5, 3));
            QCOMPARE(guetteur.touches, QStringList{"union_enfant1"});
        }
        QCOMPARE(ligne->x(), 504);
        QTest::mouseMove(ligne, QPoint(65, 3));
        QCOMPARE(ligne->x(), 549);
        QCOMPARE(trouve("Shape12")->x(), 594);
        QTest::mouseRelease(ligne, Qt::LeftButton, {}, QPoint(20, 3));

        QCOMPARE(session_->form.journal.lignes().back(), std::string("decal_fratrie(1,30)"));
        QCOMPARE(session_->form.journal.lignes().size(), grande_famille.size() + 1);
        QCOMPARE(trouve("Shape12")->x(), 624);
        QCOMPARE(trouve("Panel12")->x(), 594 + 17 - 2 + 30);
        QCOMPARE(trouve("Label12")->x(), session_->form.arbre.tab_label[12]->left);
        QCOMPARE(ligne->x(), 549);
        QCOMPARE(trouve("Shape9")->x(), 634);

        // A click without a move writes a shift of 0.
        QTest::mouseClick(ligne, Qt::LeftButton, {}, QPoint(20, 2));
        QCOMPARE(session_->form.journal.lignes().back(), std::string("decal_fratrie(1,0)"));
    }

    void cliquer_une_verticale_plie_puis_deplie() {
        ouvre_grande_famille();
        QWidget* verticale = trouve("vertic1");
        const int hauteur = verticale->height();
        QTest::mouseClick(verticale, Qt::LeftButton, {}, QPoint(2, 5));
        QCOMPARE(verticale->height(), hauteur - 30);
        QVERIFY(!trouve("Shape10")->isVisible() && !trouve("union_enfant1")->isVisible());
        QTest::mouseClick(verticale, Qt::LeftButton, {}, QPoint(2, 5));
        QCOMPARE(verticale->height(), hauteur);
        QVERIFY(trouve("Shape15")->isVisible() && trouve("Label15")->isVisible());
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
        session_->fenetre.traite([this] { session_->form.historique.montre(); });
        QCOMPARE(trouve("union_enfant1")->cursor().shape(), Qt::SizeHorCursor);
        QCOMPARE(trouve("vertic1")->cursor().shape(), Qt::SizeVerCursor);
        QVERIFY(!trouve("vertic0")->testAttribute(Qt::WA_SetCursor));
        // Qt shows no cursor of its own on a disabled widget: the generation-2 line is one.
        QVERIFY(!trouve("union_enfant0")->isEnabled());
        QCOMPARE(trouve("GroupBox1")->cursor().shape(), Qt::SizeAllCursor);
        // The controls inside a panel keep the arrow.
        for (const char* nom : {"evenements", "BitBtn12", "ret_arr"}) {
            QVERIFY2(trouve(nom)->testAttribute(Qt::WA_SetCursor), nom);
            QCOMPARE(trouve(nom)->cursor().shape(), Qt::ArrowCursor);
        }
    }

    void la_zone_defile_seulement_quand_il_faut() {
        QScrollArea* zone = session_->fenetre.zone();
        QVERIFY(!zone->horizontalScrollBar()->isVisible());
        QVERIFY(!zone->verticalScrollBar()->isVisible());
        ouvre_grande_famille();
        QTRY_VERIFY(zone->horizontalScrollBar()->isVisible());
        QVERIFY(!zone->verticalScrollBar()->isVisible());
        // The last child can be brought into view.
        zone->ensureWidgetVisible(trouve("Shape15"));
        QTRY_VERIFY(zone->viewport()->rect().contains(
            trouve("Shape15")->geometry().translated(session_->fenetre.surface()->pos())));

        // Folded, nothing lies beyond the window any more.
        QTest::mouseClick(trouve("vertic1"), Qt::LeftButton, {}, QPoint(2, 5));
        QTRY_VERIFY(!zone->horizontalScrollBar()->isVisible());

        // A small window scrolls both ways; the layout keeps the window size of the core.
        session_->fenetre.resize(400, 150);
        QTRY_VERIFY(zone->horizontalScrollBar()->isVisible() &&
                    zone->verticalScrollBar()->isVisible());
        ouvre_grande_famille();
        QCOMPARE(session_->form.width, 698);
        QCOMPARE(trouve("Shape3")->x(), 99);
        session_->fenetre.resize(1100, 800);
        QTRY_VERIFY(!zone->horizontalScrollBar()->isVisible() &&
                    !zone->verticalScrollBar()->isVisible());
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
