// The family's picture: the window and the export draw the same family; the export without a
// display matches the reference pictures; patterns, numbers and readable labels in the window;
// the menu's export and the options kept from one run to the next.
#include "session_demarree.h"
#include "suites.h"

#include "app/scene_fenetre.h"
#include "ground/couleurs.h"
#include "qt/conversions_qt.h"
#include "qt/dessin_famille.h"
#include "qt/dessin_scene.h"
#include "qt/disposition_etiquette.h"
#include "qt/export_image.h"
#include "qt/export_sans_affichage.h"
#include "qt/habillage.h"
#include "qt/image_famille.h"
#include "qt/impression_qt.h"
#include "qt/session_qt.h"
#include "qt/vue_scene.h"
#include "scene/compose_scene.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <sstream>

using namespace orvan;

namespace {

const QString donnees = QStringLiteral(ORVAN_TEST_DATA);

// The share of pixels that differ by more than a faint shade; 1 when the sizes differ.
double part_differente(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull()) return 1;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    long differents = 0;
    for (int j = 0; j < x.height(); ++j) {
        const auto* lx = reinterpret_cast<const QRgb*>(x.constScanLine(j));
        const auto* ly = reinterpret_cast<const QRgb*>(y.constScanLine(j));
        for (int i = 0; i < x.width(); ++i)
            if (std::abs(qRed(lx[i]) - qRed(ly[i])) > 40 ||
                std::abs(qGreen(lx[i]) - qGreen(ly[i])) > 40 ||
                std::abs(qBlue(lx[i]) - qBlue(ly[i])) > 40)
                ++differents;
    }
    return double(differents) / (double(x.width()) * x.height());
}

// Pixels of a picture near a colour.
int pixels_proches(const QImage& image, QColor c) {
    const QImage x = image.convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int j = 0; j < x.height(); ++j)
        for (int i = 0; i < x.width(); ++i) {
            const QRgb p = x.pixel(i, j);
            n += std::abs(qRed(p) - c.red()) < 40 && std::abs(qGreen(p) - c.green()) < 40 &&
                 std::abs(qBlue(p) - c.blue()) < 40;
        }
    return n;
}

// Answers the next message box from inside its modal loop.
void repond(const std::function<void(QMessageBox&)>& reponse) {
    QTimer::singleShot(0, [reponse] {
        if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) reponse(*b);
    });
}

} // namespace

class ExportTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // The options these tests tick are kept apart from any other run.
        QVERIFY(reglages_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, reglages_.path());
    }
    void init() {
        QSettings(QStringLiteral("Orvan"), QCoreApplication::applicationName()).clear();
        demarre(session_);
    }
    void cleanup() { session_.reset(); }

    void la_fenetre_et_limage_dessinent_la_meme_famille() {
        ouvre("deux_genes.gen");
        QVERIFY(part_differente(surface(), dessin_de_la_fenetre()) < 0.001);
        coche(*session_->form.menus.motifs);
        coche(*session_->form.menus.numerotation);
        const QImage avec_options = surface();
        QVERIFY(part_differente(avec_options, dessin_de_la_fenetre()) < 0.001);
        // The options changed the picture, and the painted numbers are where the drawing has
        // them.
        session_->form.menus.motifs->checked = false;
        session_->form.menus.numerotation->checked = false;
        QVERIFY(part_differente(avec_options, dessin_de_la_fenetre()) > 0.002);
    }

    void limage_sans_affichage_suit_les_references() {
        QTemporaryDir dossier;
        const struct {
            const char* famille;
            const char* reference;
            bool options;
        } cas[] = {{"deux_genes.gen", "deux_genes.png", false},
                   {"trois_generations.gen", "trois_generations_motifs_numeros.png", true}};
        for (const auto& c : cas) {
            const QString image = dossier.filePath(QString::fromUtf8(c.reference));
            std::ostringstream erreurs;
            QCOMPARE(exporte({(donnees + "/" + c.famille).toStdString(), image.toStdString(),
                              c.options, c.options},
                             erreurs),
                     0);
            QVERIFY(erreurs.str().empty());
            const QImage reference(donnees + "/images/" + c.reference);
            QVERIFY(!reference.isNull());
            const QImage ecrite(image);
            QCOMPARE(ecrite.size(), reference.size());
            QVERIFY2(part_differente(ecrite, reference) < 0.005, c.reference);
        }
    }

    void les_motifs_different_dans_un_gene_et_suivent_loption() {
        ouvre("deux_genes.gen");
        FenetrePrincipale& f = session_->form;
        auto* symbole = session_->fenetre.findChild<QWidget*>("Shape1");
        QVERIFY(symbole);
        const Habillage* h = Habillage::de(*symbole);
        QVERIFY(h);
        // [D,O] and [d,A]: their symbols and their labels differ in both genes.
        QCOMPARE(f.arbre.tab_label[1]->caption, std::string("[D,O]"));
        QCOMPARE(f.arbre.tab_label[2]->caption, std::string("[d,A]"));
        QCOMPARE(h->motif(*f.arbre.tab_shape[1]), Motif::aucun);
        // The symbol's widget stands over its place in the view, which draws the picture.
        const QRect zone(symbole->mapTo(session_->fenetre.surface(), QPoint(0, 0)),
                         symbole->size());
        const QImage sans = surface(zone);
        const QImage imprimee_sans = capture_de_la_fenetre();
        coche(*f.menus.motifs);
        QVERIFY(h->motif(*f.arbre.tab_shape[1]) != Motif::aucun);
        QVERIFY(h->motif(*f.arbre.tab_shape[1]) != h->motif(*f.arbre.tab_shape[2]));
        QVERIFY(h->motif(*f.arbre.tab_label[1]) != Motif::aucun);
        QVERIFY(h->motif(*f.arbre.tab_label[1]) != h->motif(*f.arbre.tab_label[2]));
        QCOMPARE(h->motif(*f.arbre.tab_shape[1]), h->motif(*f.couleurs.figure_legende[1]));
        QVERIFY(part_differente(sans, surface(zone)) > 0.05);
        // Printing captures the window: the patterns are printed too.
        const QImage imprimee = capture_de_la_fenetre().copy(zone);
        QVERIFY(part_differente(imprimee_sans.copy(zone), imprimee) > 0.05);
        // The print window's controls are drawn plainly.
        QVERIFY(!Habillage::de(session_->impression));
    }

    // A phenotype is written under its symbol, black on the picture's white, whatever the fill
    // of the symbol, enabled or not: never light letters on a colour.
    void le_texte_dune_etiquette_se_lit_sur_son_fond() {
        ouvre("deux_genes.gen");
        const FenetrePrincipale& f = session_->form;
        QVERIFY(!f.arbre.tab_label[1]->enabled && f.arbre.tab_label[5]->enabled);
        for (int k : {1, 5}) {
            const TexteScene* t = texte_de(k, RoleTexte::phenotype);
            QVERIFY(t);
            QCOMPARE(t->texte, f.famille.individu(k).phenotype_affiche);
            const QImage image = surface(dans_la_surface(t->boite));
            QVERIFY(pixels_proches(image, Qt::black) > 10);
            QCOMPARE(pixels_proches(image, QColor(0, 0, 255)), 0);
        }
    }

    // "[AB,Rh-]" is wider than a symbol: in the window as in the exported picture, every label
    // of a family of forty stays on its own symbol, so it never runs into a neighbour's.
    void les_etiquettes_restent_sur_leur_symbole() {
        ouvre("quarante_deux_genes.gen");
        const FenetrePrincipale& f = session_->form;
        QCOMPARE(f.famille.dernier_indiv(), 40);
        const StyleDessin export_ = style_sans_affichage(false, false);
        int coupees = 0;
        for (int k = 1; k <= 40; ++k) {
            const Forme& s = *f.arbre.tab_shape[k];
            const Label& l = *f.arbre.tab_label[k];
            const QRect symbole(s.left, s.top, s.width, s.height);
            // In the window, the phenotype stands in the symbol's column, under it.
            const TexteScene* t = texte_de(k, RoleTexte::phenotype);
            QVERIFY2(t, l.caption.c_str());
            const Boite& b = symbole_de(k)->boite;
            QVERIFY(t->boite.y >= b.bas());
            QVERIFY(std::abs(t->boite.x + t->boite.largeur / 2 - (b.x + b.largeur / 2)) < 1);
            const DispositionEtiquette d =
                dispose_etiquette(l, texte_qt(l.caption), police_du_dessin(l.police, export_));
            QVERIFY2(symbole.contains(d.zone), l.caption.c_str());
            coupees += d.texte.contains('\n');
        }
        QVERIFY(coupees > 0);
    }

    void les_numeros_suivent_la_famille() {
        ouvre("trois_generations.gen");
        QVERIFY(numeros().empty());
        coche(*session_->form.menus.numerotation);
        QStringList textes;
        for (const TexteScene* n : numeros())
            textes << texte_qt(n->texte);
        // Five children of the founders with two spouses, seven grandchildren.
        QCOMPARE(textes.size(), 2 + 7 + 7 + 3);
        for (const char* t : {"I", "II", "III", "I-1", "I-2", "II-7", "III-7"})
            QVERIFY2(textes.contains(t), t);
        QVERIFY(!textes.contains("II-8") && !textes.contains("III-8"));
        // "I-1" stands under founder 1, drawn in the view.
        const TexteScene* i1 = texte_de(1, RoleTexte::numero);
        QVERIFY(i1 && i1->texte == "I-1");
        const Boite& fondateur = symbole_de(1)->boite;
        QVERIFY(i1->boite.y >= fondateur.bas());
        QVERIFY(i1->boite.x < fondateur.x + fondateur.largeur / 2);
        QVERIFY(i1->boite.droite() > fondateur.x + fondateur.largeur / 2);
        const QRect zone = dans_la_surface(i1->boite);
        QVERIFY(pixels_proches(surface(zone), Qt::black) > 5);
        coche(*session_->form.menus.numerotation);
        QVERIFY(numeros().empty());
        // The picture went back to the one without numbers (the labels took their place).
        QVERIFY(part_differente(surface(), dessin_de_la_fenetre()) < 0.001);
    }

    void lexport_du_menu_ecrit_ce_que_montre_la_fenetre() {
        ouvre("deux_genes.gen");
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("famille.svg");
        QString propose;
        session_->famille.dialogue = [&](const QString& nom, int, QSize) {
            propose = nom;
            return std::optional<FamilleQt::ChoixImage>({chemin, 2});
        };
        coche(*session_->form.menus.motifs);
        session_->fenetre.traite([this] { session_->form.menus.exporter_image->clic(); });
        QCOMPARE(QFileInfo(propose).fileName(), QString("deux_genes.png"));
        QFile svg(chemin);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray texte = svg.readAll();
        QVERIFY(texte.contains("<svg"));
        const ImageFamille attendue(session_->form, style_de_la_fenetre(session_->form));
        QVERIFY(texte.contains(QStringLiteral("viewBox=\"0 0 %1 %2\"")
                                   .arg(attendue.taille().width())
                                   .arg(attendue.taille().height())
                                   .toUtf8()));
        // Nothing of the log changed.
        QCOMPARE(session_->form.journal.lignes().back(), std::string("all_okclick"));

        // A folder that does not exist: the user is told, nothing is written.
        const QString absent = dossier.filePath("absent/famille.png");
        session_->famille.dialogue = [&](const QString&, int, QSize) {
            return std::optional<FamilleQt::ChoixImage>({absent, 2});
        };
        QString message;
        repond([&](QMessageBox& b) {
            message = b.text();
            b.accept();
        });
        session_->fenetre.traite([this] { session_->form.menus.exporter_image->clic(); });
        QVERIFY2(message.startsWith("Impossible d'écrire l'image"), qPrintable(message));
        QVERIFY(message.contains("n'existe pas"));
        QCOMPARE(QDir(dossier.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"famille.svg"});
    }

    // The save dialog offers the PNG's scale, twice the screen's pixels unless the screen is
    // finer, greyed for another kind of file; the picture takes the scale chosen.
    void le_dialogue_donne_lechelle_du_png() {
        ouvre("deux_genes.gen");
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("famille.png");
        QVariant proposee;
        bool grisee_en_svg = false;
        QTimer pilote;
        pilote.setInterval(20);
        connect(&pilote, &QTimer::timeout, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            auto* echelle = d ? d->findChild<QComboBox*>("echelle_png") : nullptr;
            auto* types = d ? d->findChild<QComboBox*>("fileTypeCombo") : nullptr;
            if (!echelle || !types) return;
            pilote.stop();
            proposee = echelle->isEnabled() ? echelle->currentData() : QVariant();
            QTest::keyClick(types, Qt::Key_Down);
            grisee_en_svg = d->selectedNameFilter().contains("*.svg") && !echelle->isEnabled();
            QTest::keyClick(types, Qt::Key_Up);
            echelle->setCurrentIndex(echelle->findData(3));
            d->selectFile(chemin);
            static_cast<QDialog*>(d)->accept();
        });
        pilote.start();
        session_->fenetre.traite([this] { session_->form.menus.exporter_image->clic(); });
        QCOMPARE(proposee, QVariant(2));
        QVERIFY(grisee_en_svg);
        const ImageFamille attendue(session_->form, style_de_la_fenetre(session_->form));
        // The dialog may keep the name it proposed when its folder loads after the name is
        // given: what counts is the one picture written in the folder chosen.
        const QStringList ecrites = QDir(dossier.path()).entryList({"*.png"}, QDir::Files);
        QCOMPARE(ecrites.size(), 1);
        QCOMPARE(QImage(dossier.filePath(ecrites.front())).size(), attendue.taille() * 3);
    }

    void les_options_sont_retenues_dune_fois_sur_lautre() {
        coche(*session_->form.menus.numerotation);
        session_.reset();
        demarre(session_);
        QVERIFY(session_->form.menus.numerotation->checked);
        QVERIFY(!session_->form.menus.motifs->checked);
        QVERIFY(!numeros().empty());
        coche(*session_->form.menus.numerotation);
        coche(*session_->form.menus.motifs);
        session_.reset();
        demarre(session_);
        QVERIFY(!session_->form.menus.numerotation->checked);
        QVERIFY(session_->form.menus.motifs->checked);

        // A value of frequencies far past what a teacher sets is neither read nor kept.
        session_.reset();
        QString enorme;
        for (int i = 0; enorme.size() <= 64 * 1024; ++i)
            enorme += QStringLiteral("g%1\tA=1/2\tB=1/2\n").arg(i);
        const QString cle = QStringLiteral("probabilites/frequences");
        QSettings(QStringLiteral("Orvan"), QCoreApplication::applicationName())
            .setValue(cle, enorme);
        demarre(session_);
        QVERIFY(!session_->form.probabilites.frequences.count("g1"));
        QVERIFY(
            !QSettings(QStringLiteral("Orvan"), QCoreApplication::applicationName()).contains(cle));
    }

  private:
    void ouvre(const char* famille) {
        const std::string chemin = (donnees + "/" + famille).toStdString();
        bool lu = false;
        session_->fenetre.traite(
            [this, &chemin, &lu] { lu = session_->form.historique.ouvre_fichier(chemin); });
        QVERIFY(lu);
        // The start picture makes way for the family.
        QTRY_VERIFY(!session_->form.depart.image->visible);
    }

    void coche(Menu& option) {
        session_->fenetre.traite([&option] { option.clic(); });
    }

    // The picture that printing takes of the window.
    const VueScene& vue() const { return session_->famille.vue(); }
    const TexteScene* texte_de(int k, RoleTexte role) const {
        for (const TexteScene& t : vue().scene().textes)
            if (t.individu == k && t.role == role) return &t;
        return nullptr;
    }
    const SymboleScene* symbole_de(int k) const {
        for (const SymboleScene& s : vue().scene().symboles)
            if (s.individu == k) return &s;
        return nullptr;
    }
    // The individuals' numbers and those of the generations.
    std::vector<const TexteScene*> numeros() const {
        std::vector<const TexteScene*> n;
        for (const TexteScene& t : vue().scene().textes)
            if (t.role == RoleTexte::numero ||
                (t.individu == 0 && (t.texte == "I" || t.texte == "II" || t.texte == "III")))
                n.push_back(&t);
        return n;
    }
    QRect dans_la_surface(const Boite& b) const {
        const QRect r = vue().vers_ecran(b).toAlignedRect();
        return r.translated(vue().viewport()->mapTo(session_->fenetre.surface(), QPoint(0, 0)));
    }

    QImage capture_de_la_fenetre() {
        const Capture c = capture_widget(*session_->fenetre.surface());
        return image_qt(c).copy();
    }

    QImage surface(const QRect& zone = QRect(QPoint(0, 0), QSize(-1, -1))) {
        QWidget* s = session_->fenetre.surface();
        // The keyboard's focus ring belongs to the window, not to the family's picture.
        QWidget* anneau = s->findChild<QWidget*>("anneau_focus");
        const bool montre = anneau && anneau->isVisible();
        if (montre) anneau->hide();
        const QImage image = s->grab(zone).toImage();
        if (montre) anneau->show();
        return image;
    }

    // The scene the export draws of the family, over the window's background, where the view
    // stands and at its zoom.
    QImage dessin_de_la_fenetre() {
        const FenetrePrincipale& f = session_->form;
        QImage image(session_->fenetre.surface()->size(), QImage::Format_RGB32);
        image.fill(couleur_qt(f.fond));
        QPainter p(&image);
        p.translate(dans_la_surface(Boite{}).topLeft());
        p.scale(vue().zoom(), vue().zoom());
        dessine_scene(p, compose_scene(donnees_de_la_scene(f, options_de_la_fenetre(f))));
        return image;
    }

    QTemporaryDir reglages_;
    std::unique_ptr<SessionQt> session_;
};

static Suite<ExportTest> suite;

#include "export_test.moc"
