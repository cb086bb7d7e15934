// The help: the built program finds its document, and the help window shows it at a topic.
#include "suites.h"

#include "qt/aide_qt.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

using namespace orvan;

namespace {

QWidget* fenetre_aide() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("fenetre_aide")) return w;
    return nullptr;
}

// The line of the document at the top of the visible part of the help.
QString ligne_en_haut(QTextBrowser& texte) {
    return texte.cursorForPosition(QPoint(10, 5)).block().text().simplified();
}

QPushButton* bouton(QWidget& fenetre, const QString& texte) {
    for (QPushButton* b : fenetre.findChildren<QPushButton*>())
        if (b->text() == texte) return b;
    return nullptr;
}

bool ecrit(const QString& chemin) {
    QFile f(chemin);
    return QDir().mkpath(QFileInfo(chemin).path()) && f.open(QIODevice::WriteOnly) &&
           f.write("<html><body><h1>Aide</h1></body></html>") > 0;
}

} // namespace

class AideTest : public QObject {
    Q_OBJECT

  private slots:
    void un_fichier_absent_nouvre_rien() {
        QWidget principale;
        QVERIFY(!montre_aide(&principale, QStringLiteral("/nulle/part/orvan.html"), 1));
        QVERIFY(!fenetre_aide());
    }

    void le_programme_construit_trouve_son_aide() {
        const QString attendu =
            QFileInfo(QStringLiteral(ORVAN_DOSSIER_PROGRAMME "/aide/orvan.html"))
                .canonicalFilePath();
        QVERIFY(!attendu.isEmpty());
        QCOMPARE(chemin_aide(QStringLiteral("orvan.html"), QStringLiteral(ORVAN_DOSSIER_PROGRAMME)),
                 attendu);
    }

    void laide_se_cherche_a_cote_du_programme_puis_dans_les_sources() {
        QTemporaryDir racine;
        const QString programme = racine.filePath(QStringLiteral("build"));
        QVERIFY(QDir().mkpath(programme));
        const QString installee = chemin_aide(QStringLiteral("orvan.html"), programme);
        // Nothing beside it: only an installed help can be found.
        QVERIFY(!installee.startsWith(racine.path()));

        const QString sources = racine.filePath(QStringLiteral("data/aide/orvan.html"));
        QVERIFY(ecrit(sources));
        QCOMPARE(chemin_aide(QStringLiteral("orvan.html"), programme),
                 QFileInfo(sources).canonicalFilePath());

        const QString a_cote = racine.filePath(QStringLiteral("build/aide/orvan.html"));
        QVERIFY(ecrit(a_cote));
        QCOMPARE(chemin_aide(QStringLiteral("orvan.html"), programme),
                 QFileInfo(a_cote).canonicalFilePath());
    }

    void chaque_lien_du_document_mene_a_un_sujet() {
        QFile f(chemin_aide(QStringLiteral("orvan.html"), QStringLiteral(ORVAN_DOSSIER_PROGRAMME)));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(f.readAll());
        for (int sujet = 1; sujet <= 11; ++sujet)
            QVERIFY2(html.contains(QStringLiteral("name=\"sujet%1\"").arg(sujet)),
                     qPrintable(QString::number(sujet)));
        const QRegularExpression lien(QStringLiteral("href=\"#([^\"]+)\""));
        for (const auto& m : lien.globalMatch(html))
            QVERIFY2(html.contains("name=\"" + m.captured(1) + "\""), qPrintable(m.captured(1)));
        // A document that stands alone: nothing fetched, nothing run.
        QVERIFY(!html.contains(QStringLiteral("<script"), Qt::CaseInsensitive));
        QVERIFY(!html.contains(QStringLiteral("src="), Qt::CaseInsensitive));
        QVERIFY(!html.contains(QStringLiteral("http"), Qt::CaseInsensitive));
    }

    void la_fenetre_souvre_au_sujet_demande() {
        QWidget principale;
        principale.show();
        const QString chemin =
            chemin_aide(QStringLiteral("orvan.html"), QStringLiteral(ORVAN_DOSSIER_PROGRAMME));
        QVERIFY(montre_aide(&principale, chemin, 3));
        QWidget* aide = fenetre_aide();
        QVERIFY(aide);
        QVERIFY(QTest::qWaitForWindowExposed(aide));
        QCOMPARE(aide->windowTitle(), QStringLiteral("Aide"));
        QVERIFY(aide->isWindow());
        QCOMPARE(aide->windowModality(), Qt::NonModal);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(aide->screen()->availableGeometry().contains(aide->frameGeometry()));

        auto* texte = aide->findChild<QTextBrowser*>();
        QVERIFY(texte);
        QCOMPARE(texte->source().fragment(), QStringLiteral("sujet3"));
        QVERIFY(texte->toPlainText().contains(QStringLiteral("Groupes ABO")));
        QTRY_COMPARE(ligne_en_haut(*texte),
                     QStringLiteral("Les gènes de la banque et leur transmission"));
    }

    void une_seconde_demande_reprend_la_meme_fenetre_avec_son_parcours() {
        QWidget principale;
        principale.show();
        const QString chemin =
            chemin_aide(QStringLiteral("orvan.html"), QStringLiteral(ORVAN_DOSSIER_PROGRAMME));
        QVERIFY(montre_aide(&principale, chemin, 1));
        QWidget* aide = fenetre_aide();
        QVERIFY(QTest::qWaitForWindowExposed(aide));
        auto* texte = aide->findChild<QTextBrowser*>();
        QTRY_COMPARE(ligne_en_haut(*texte),
                     QStringLiteral("Orvan : l'hérédité humaine dans une famille"));
        QPushButton* precedent = bouton(*aide, QStringLiteral("Précédent"));
        QPushButton* suivant = bouton(*aide, QStringLiteral("Suivant"));
        QVERIFY(precedent && suivant && !precedent->isEnabled());

        QVERIFY(montre_aide(&principale, chemin, 6));
        QCOMPARE(fenetre_aide(), aide);
        QTRY_COMPARE(ligne_en_haut(*texte), QStringLiteral("Les couleurs"));

        precedent->click();
        QCOMPARE(texte->source().fragment(), QStringLiteral("sujet1"));
        QVERIFY(suivant->isEnabled());
        suivant->click();
        QCOMPARE(texte->source().fragment(), QStringLiteral("sujet6"));
        // The keys press the buttons, which answer a moment later.
        QTest::keyClick(aide, Qt::Key_Left, Qt::AltModifier);
        QTRY_COMPARE(texte->source().fragment(), QStringLiteral("sujet1"));
        QTest::keyClick(aide, Qt::Key_Right, Qt::AltModifier);
        QTRY_COMPARE(texte->source().fragment(), QStringLiteral("sujet6"));

        QTest::keyClick(aide, Qt::Key_Escape);
        QVERIFY(!aide->isVisible());
        QVERIFY(montre_aide(&principale, chemin, 10));
        QCOMPARE(fenetre_aide(), aide);
        QVERIFY(aide->isVisible());
        QTRY_COMPARE(ligne_en_haut(*texte), QStringLiteral("Le clavier"));
    }
};

static Suite<AideTest> suite;
#include "aide_test.moc"
