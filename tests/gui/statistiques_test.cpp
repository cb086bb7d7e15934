// The statistics window as a teacher uses it: a class's folder pooled, the pupil's hypothesis
// tested, a plot saved; new families like the one on screen; the family exported as PED.
#include "session_demarree.h"
#include "suites.h"

#include "qt/fenetre_statistiques.h"
#include "qt/graphiques_statistiques.h"
#include "qt/session_qt.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace orvan;

namespace {

const QString classe = QStringLiteral(ORVAN_TEST_DATA "/classe");

QByteArray contenu(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Answers the next message box from inside its modal loop.
void repond(const std::function<void(QMessageBox&)>& reponse) {
    QTimer::singleShot(0, [reponse] {
        if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) reponse(*b);
    });
}

} // namespace

class StatistiquesTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { demarre(session_); }
    void cleanup() { session_.reset(); }

    void la_classe_est_comptee_et_lhypothese_testee() {
        session_->fenetre.traite([this] { session_->form.menus.statistiques->clic(); });
        FenetreStatistiques& s = session_->statistiques.fenetre_statistiques();
        QVERIFY(s.isVisible());
        s.ajoute_chemins({classe});
        QCOMPARE(s.recolte().familles.size(), 4u);
        // A pupil sees the kinds of cross by phenotypes: the parents' genotypes are what the
        // genotype exercise asks for. The phenotypes followed are the class's own.
        auto* croisements = s.findChild<QComboBox*>(QStringLiteral("croisements"));
        QCOMPARE(croisements->count(), 1);
        auto* suivis = s.findChild<QComboBox*>(QStringLiteral("phenotype_suivi"));
        QCOMPARE(suivis->count(), 2);
        QCOMPARE(suivis->itemText(0), QStringLiteral("[Rh+]"));
        QCOMPARE(suivis->itemText(1), QStringLiteral("[Rh-]"));
        session_->form.coquille.ligne_de_commande.enseignant = true;
        s.vide();
        s.ajoute_chemins({classe});
        auto* ecartes = s.findChild<QListWidget*>(QStringLiteral("ecartes"));
        QCOMPARE(ecartes->count(), 1);
        QVERIFY(ecartes->item(0)->text().endsWith(
            QStringLiteral("notes.gen : Ce fichier n'est pas une famille : il n'a pas de graine "
                           "du tirage")));
        // The heterozygous fathers' table: 11 and 7 against 9 and 9.
        QCOMPARE(croisements->count(), 3);
        croisements->setCurrentIndex(1);
        s.findChild<QLineEdit*>(QStringLiteral("hypothese"))
            ->setText(QStringLiteral("Rh+=1 Rh-=1"));
        QCOMPARE(s.findChild<QLabel*>(QStringLiteral("test"))->text(),
                 QStringLiteral("khi² = 0,889 ; ddl = 1 ; p = 0,3458"));

        // In English once the program speaks it: the window's texts, and the test's sentence
        // with decimal points.
        session_->fenetre.traite([this] { session_->form.menus.anglais->clic(); });
        session_->fenetre.traite([this] { session_->form.menus.statistiques->clic(); });
        QCOMPARE(s.windowTitle(), QStringLiteral("Class statistics"));
        QCOMPARE(s.findChild<QLabel*>(QStringLiteral("test"))->text(),
                 QStringLiteral("chi² = 0.889; df = 1; p = 0.3458"));
        QVERIFY(ecartes->item(0)->text().endsWith(
            QStringLiteral("notes.gen: This file is not a family: it has no seed for the draws")));

        QTemporaryDir dossier;
        auto* vue = s.findChild<QWidget*>(QStringLiteral("comparaison"));
        QCOMPARE(vue->metaObject()->className(), "QChartView");
        for (const char* nom : {"/barres.png", "/barres.svg"})
            QVERIFY(!enregistre_graphique(*vue, dossier.path() + nom));
        QCOMPARE(QImage(dossier.path() + "/barres.png").size(), vue->size() * 2);
        QVERIFY(contenu(dossier.path() + "/barres.svg").contains("<svg"));
        QVERIFY(enregistre_graphique(*vue, dossier.path() + "/barres.gif"));
    }

    void de_nouvelles_familles_comme_celle_a_lecran() {
        FenetreStatistiques& s = session_->statistiques.fenetre_statistiques();
        // No founders chosen yet: nothing to repeat.
        s.ajoute_nouvelles_familles(10);
        QCOMPARE(s.recolte().familles.size(), 0u);
        const std::string famille = (classe + "/famille_a.gen").toStdString();
        session_->fenetre.traite([&] { session_->form.historique.ouvre_fichier(famille); });
        s.ajoute_nouvelles_familles(200);
        QCOMPARE(s.recolte().familles.size(), 200u);
        // [Rh+] × [Rh-]: one table of phenotypes and the two of the father's genotypes.
        QCOMPARE(s.tables().size(), 3u);
        QCOMPARE(s.tables()[0].nb_unions, 200);
    }

    void le_pedigree_est_exporte_en_ped() {
        const std::string famille = (classe + "/famille_c.gen").toStdString();
        session_->fenetre.traite([&] { session_->form.historique.ouvre_fichier(famille); });
        QTemporaryDir dossier;
        const QString chemin = dossier.path() + "/famille_c.ped";
        session_->statistiques.dialogue = [&chemin] { return std::optional<QString>(chemin); };
        session_->fenetre.traite([this] { session_->form.menus.exporter_ped->clic(); });
        QCOMPARE(contenu(chemin), contenu(classe + "/famille_c.ped"));
    }

    // A ratio past any sense is refused with its reason; an error that a handler of the window
    // lets out is said over it, and the family stays.
    void une_erreur_ne_perd_pas_la_famille() {
        const std::string famille = (classe + "/famille_c.gen").toStdString();
        session_->fenetre.traite([&] { session_->form.historique.ouvre_fichier(famille); });
        const auto journal = session_->form.journal.lignes();
        session_->fenetre.traite([this] { session_->form.menus.statistiques->clic(); });
        FenetreStatistiques& s = session_->statistiques.fenetre_statistiques();
        s.ajoute_chemins({classe});
        s.findChild<QComboBox*>(QStringLiteral("croisements"))->setCurrentIndex(0);
        s.findChild<QLineEdit*>(QStringLiteral("hypothese"))
            ->setText(QStringLiteral("Rh+=1e308 Rh-=1"));
        QVERIFY(s.findChild<QLabel*>(QStringLiteral("test"))->text().contains("« Rh+=1e308 »"));

        QString message;
        QTimer::singleShot(0, &s, [] { throw std::runtime_error("essai de panne"); });
        repond([&](QMessageBox& b) {
            message = b.text();
            b.accept();
        });
        QTRY_VERIFY(!message.isEmpty());
        QVERIFY2(message.contains("(essai de panne)"), qPrintable(message));
        QVERIFY(session_->fenetre.isVisible());
        QCOMPARE(session_->form.journal.lignes(), journal);
    }

  private:
    std::unique_ptr<SessionQt> session_;
};

static Suite<StatistiquesTest> suite;

#include "statistiques_test.moc"
