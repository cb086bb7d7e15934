// Printing as the pupil meets it: Ctrl+P, the print window for a second, and with no printer
// the page saved as a PDF file; and the keys of the panels.
#include "session_demarree.h"
#include "suites.h"

#include "qt/impression_qt.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace orvan;

namespace {

// Acts on the modal windows of the command, from inside their own loops.
class Pilote : public QObject {
  public:
    explicit Pilote(SessionQt& s, QString pdf) : s_(s), pdf_(std::move(pdf)) {
        minuterie_.setInterval(20);
        connect(&minuterie_, &QTimer::timeout, this, [this] { regarde(); });
        minuterie_.start();
    }
    bool fenetre_vue = false, fenetre_sans_bord = false, fenetre_modale = false;
    bool fond_pendant = false, image_pendant = true;
    QString question;

  private:
    void regarde() {
        QWidget* modale = QApplication::activeModalWidget();
        if (modale == &s_.impression && s_.impression.isVisible()) {
            fenetre_vue = true;
            fenetre_sans_bord = s_.impression.windowFlags().testFlag(Qt::FramelessWindowHint);
            fenetre_modale = s_.impression.isModal();
            fond_pendant = s_.form.depart.fond_impression->visible;
            image_pendant = s_.form.depart.image->visible;
        } else if (auto* boite = qobject_cast<QMessageBox*>(modale)) {
            question = boite->text();
            boite->button(QMessageBox::Yes)->click();
        } else if (auto* dialogue = qobject_cast<QFileDialog*>(modale)) {
            dialogue->selectFile(pdf_);
            static_cast<QDialog*>(dialogue)->accept();
        }
    }
    SessionQt& s_;
    QString pdf_;
    QTimer minuterie_;
};

QByteArray debut(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.read(5) : QByteArray();
}

} // namespace

class ImpressionTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { demarre(session_); }
    void cleanup() { session_.reset(); }

    void la_capture_a_la_taille_de_la_zone_et_le_pdf_est_ecrit() {
        QWidget& zone = *session_->fenetre.surface();
        const Capture c = capture_widget(zone);
        QCOMPARE(QSize(c.largeur, c.hauteur), zone.size());
        QCOMPARE(c.pixels.size(), std::size_t(c.largeur) * std::size_t(c.hauteur));
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("page.pdf");
        QVERIFY(ecrit_pdf(c, chemin));
        QVERIFY(QFileInfo(chemin).size() > 1000);
        QCOMPARE(debut(chemin), QByteArray("%PDF-"));
        QVERIFY(!ecrit_pdf(c, dossier.filePath("absent/page.pdf")));
        QVERIFY(!ecrit_pdf(Capture{}, dossier.filePath("vide.pdf")));
    }

    // The window is printed from a capture drawn again at twice the screen's pixels, not
    // enlarged from them, and without the keyboard's focus ring.
    void limpression_capture_la_fenetre_deux_fois_plus_fine() {
        SessionQt& s = *session_;
        QWidget& zone = *s.fenetre.surface();
        const Capture c = s.plateforme.capture(s.form);
        QCOMPARE(QSize(c.largeur, c.hauteur), zone.size());
        QCOMPARE(c.echelle, 2);
        QCOMPARE(c.pixels.size(), std::size_t(c.largeur) * std::size_t(c.hauteur) * 4);
        const QImage image = image_qt(c);
        QCOMPARE(image.deviceIndependentSize(), QSizeF(zone.size()));
        int blocs_nuances = 0;
        for (int y = 0; y + 1 < image.height(); y += 2)
            for (int x = 0; x + 1 < image.width(); x += 2) {
                const QRgb p = image.pixel(x, y);
                blocs_nuances += image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p ||
                                 image.pixel(x + 1, y + 1) != p;
            }
        // The edges of the title, the symbols and the picture's arrow fall inside pixels.
        QVERIFY2(blocs_nuances > 500, qPrintable(QString::number(blocs_nuances)));

        QWidget* anneau = zone.findChild<QWidget*>("anneau_focus");
        QVERIFY(anneau);
        anneau->setGeometry(s.form.arbre.tab_shape[1]->left - 6, s.form.arbre.tab_shape[1]->top - 6,
                            47, 47);
        anneau->show();
        const Capture avec_anneau = s.plateforme.capture(s.form);
        QVERIFY(anneau->isVisible());
        QVERIFY(avec_anneau.pixels == c.pixels);
    }

    void ctrl_p_sans_imprimante_propose_le_pdf_et_remet_les_images() {
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("a printer is installed here");
        SessionQt& s = *session_;
        s.fenetre.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s.fenetre));
        const auto journal = s.form.journal.lignes();
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("famille.pdf");
        Pilote pilote(s, chemin);
        QElapsedTimer duree;
        duree.start();

        QTest::keyClick(&s.fenetre, Qt::Key_P, Qt::ControlModifier);

        QVERIFY(pilote.fenetre_vue && pilote.fenetre_sans_bord && pilote.fenetre_modale);
        QVERIFY(pilote.fond_pendant && !pilote.image_pendant);
        // The print window waits its second before it prints.
        QVERIFY(duree.elapsed() >= 1000);
        QVERIFY(pilote.question.startsWith("Aucune imprimante n'est installée"));
        QVERIFY(QFileInfo(chemin).size() > 1000);
        QCOMPARE(debut(chemin), QByteArray("%PDF-"));
        QVERIFY(!s.impression.isVisible());
        QVERIFY(s.fenetre.findChild<QWidget*>("Image1")->isVisible());
        QWidget* fond = s.fenetre.findChild<QWidget*>("Image2");
        QVERIFY(!fond || !fond->isVisible());
        QCOMPARE(s.form.journal.lignes(), journal);
    }

    void echap_et_entree_sur_le_panneau_des_phenotypes() {
        SessionQt& s = *session_;
        s.fenetre.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s.fenetre));
        QWidget* symbole = s.fenetre.findChild<QWidget*>("Shape1");
        QTest::mouseClick(symbole, Qt::LeftButton);
        QWidget* panneau = s.fenetre.findChild<QWidget*>("choix_alleles");
        QVERIFY(panneau && panneau->isVisible());
        const auto journal = s.form.journal.lignes();
        QCOMPARE(journal.back(), std::string("choix_all(1,left)"));

        // Enter with no phenotype chosen: the disabled "OK" is not pressed.
        QWidget* cible = QApplication::focusWidget() ? QApplication::focusWidget() : &s.fenetre;
        QTest::keyClick(cible, Qt::Key_Return);
        QCOMPARE(s.form.journal.lignes(), journal);
        QVERIFY(panneau->isVisible());

        cible = QApplication::focusWidget() ? QApplication::focusWidget() : &s.fenetre;
        QTest::keyClick(cible, Qt::Key_Escape);
        QCOMPARE(s.form.journal.lignes().back(), std::string("all_annulclick"));
        QCOMPARE(s.form.journal.lignes().size(), journal.size() + 1);
        QVERIFY(!panneau->isVisible());
    }

  private:
    std::unique_ptr<SessionQt> session_;
};

static Suite<ImpressionTest> suite;
#include "impression_test.moc"
