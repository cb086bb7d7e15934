// The class window as a teacher uses it: the pupils' files of a folder read, sorted by score,
// a pupil's family opened as the pupil left it, the table exported and printed.
#include "session_demarree.h"
#include "suites.h"

#include "qt/fenetre_classe.h"
#include "qt/session_qt.h"

#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace orvan;

namespace {

const QString famille = QStringLiteral(ORVAN_TEST_DATA "/classe/famille_a.gen");

// A pupil's file: the test family and what the pupil did after it.
void ecrit_eleve(const QString& chemin, const QByteArray& travail) {
    QFile modele(famille), eleve(chemin);
    QVERIFY(modele.open(QIODevice::ReadOnly) && eleve.open(QIODevice::WriteOnly));
    eleve.write(modele.readAll() + travail);
}

QByteArray contenu(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int ligne_de(const QTableWidget& t, const QString& eleve) {
    for (int r = 0; r < t.rowCount(); ++r)
        if (t.item(r, 0)->text() == eleve) return r;
    return -1;
}

} // namespace

class ClasseTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { demarre(session_); }
    void cleanup() { session_.reset(); }

    void la_classe_se_trie_s_ouvre_s_exporte_et_s_imprime() {
        QTemporaryDir dossier;
        // The rhesus factor with every statement ticked: 2 "bien", 4 "faux".
        ecrit_eleve(dossier.path() + "/alice.gen", "bitbtn6click\r\n");
        ecrit_eleve(dossier.path() + "/bruno.gen",
                    "bitbtn6click\r\nferme_reponsesclick\r\nquestion_genotype(3)\r\n"
                    "question_genotype(3)=1\r\n");
        ecrit_eleve(dossier.path() + "/chloe.gen",
                    "question_genotype(2)\r\nquestion_genotype(2)=1\r\n");
        session_->fenetre.traite([this] { session_->form.menus.classe->clic(); });
        FenetreClasse& c = session_->classe.fenetre_classe();
        QVERIFY(c.isVisible());
        c.ajoute_chemins({dossier.path()});
        auto* table = c.findChild<QTableWidget*>(QStringLiteral("eleves"));
        QCOMPARE(table->rowCount(), 3);

        // By score, highest first: 1/1, 3/7, 2/6; "100,0" sorts as a number.
        table->sortByColumn(12, Qt::DescendingOrder);
        QStringList ordre, scores;
        for (int r = 0; r < 3; ++r) {
            ordre << table->item(r, 0)->text();
            scores << table->item(r, 12)->text();
        }
        QCOMPARE(ordre, QStringList({"chloe", "bruno", "alice"}));
        QCOMPARE(scores, QStringList({"100,0", "42,9", "33,3"}));

        // Alice left her answers panel open, Chloe never opened it, Bruno closed it.
        const auto ouvre = [&](const QString& eleve) {
            c.ouvre_ligne(ligne_de(*table, eleve));
            return session_->form.alleles.panneau->visible;
        };
        QVERIFY(ouvre("alice"));
        QCOMPARE(session_->form.journal.lignes().back(), std::string("bitbtn6click"));
        QVERIFY(!ouvre("chloe"));
        QVERIFY(!ouvre("bruno"));
        QCOMPARE(contenu(dossier.path() + "/bruno.gen").right(24),
                 QByteArray("question_genotype(3)=1\r\n"));

        // In English: commas between the fields, decimal points.
        session_->fenetre.traite([this] { session_->form.menus.anglais->clic(); });
        session_->fenetre.traite([this] { session_->form.menus.classe->clic(); });
        const QString csv = dossier.path() + "/classe.csv";
        c.choisit_csv = [&csv] { return std::optional<QString>(csv); };
        c.findChild<QPushButton*>(QStringLiteral("exporter_csv"))->click();
        QVERIFY(contenu(csv).startsWith("\xEF\xBB\xBFPupil,Genes,Individuals,"));
        QVERIFY(contenu(csv).contains("\r\nbruno,Rhesus factor,8,2,no,6,6,2,4,1,1,0,42.9\r\n"));

        const QString pdf = dossier.path() + "/classe.pdf";
        c.choisit_pdf = [&pdf] { return std::optional<QString>(pdf); };
        c.findChild<QPushButton*>(QStringLiteral("imprimer"))->click();
        QVERIFY(contenu(pdf).startsWith("%PDF"));
    }

  private:
    std::unique_ptr<SessionQt> session_;
};

static Suite<ClasseTest> suite;

#include "classe_test.moc"
