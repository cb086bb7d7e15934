// The example families as a place of the open dialog.
#include "suites.h"

#include "qt/exemples_qt.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace orvan;

class ExemplesTest : public QObject {
    Q_OBJECT

  private slots:
    void le_programme_construit_trouve_ses_exemples() {
        const QString dossier = dossier_exemples(QStringLiteral(ORVAN_DOSSIER_PROGRAMME));
        QVERIFY(!dossier.isEmpty());
        const QStringList familles = QDir(dossier).entryList({QStringLiteral("*.gen")});
        QVERIFY(familles.size() >= 6);
        QVERIFY(familles.contains(QStringLiteral("groupes_abo.gen")));
    }

    void la_place_exemples_sajoute_une_fois() {
        const QList<QUrl> usuelles{QUrl::fromLocalFile(QDir::homePath())};
        const QList<QUrl> places = places_du_dialogue(usuelles, QStringLiteral("/srv/Exemples"));
        QCOMPARE(places.size(), 2);
        QCOMPARE(places.last(), QUrl::fromLocalFile(QStringLiteral("/srv/Exemples")));
        QCOMPARE(places_du_dialogue(places, QStringLiteral("/srv/Exemples")).size(), 2);
        QCOMPARE(places_du_dialogue(usuelles, QString()), usuelles);
        // Another copy's examples, which Qt keeps among every program's places, give way.
        const QList<QUrl> ailleurs{usuelles[0],
                                   QUrl::fromLocalFile(QStringLiteral("/opt/Exemples"))};
        QCOMPARE(places_du_dialogue(ailleurs, QStringLiteral("/srv/Exemples")), places);
    }

    void un_programme_sans_exemples_nen_propose_pas() {
        QTemporaryDir vide;
        // Only the installed folder may remain: never the empty program folder's.
        const QString dossier = dossier_exemples(vide.path());
        QVERIFY(dossier.isEmpty() || !dossier.startsWith(vide.path()));
    }
};

static Suite<ExemplesTest> suite;

#include "exemples_test.moc"
