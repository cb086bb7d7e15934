#include "famille_test.h"

#include <gtest/gtest.h>

using namespace orvan;
using namespace orvan::test;

namespace {

// What the platform saw of the two pictures when it captured a window.
struct VueCapture {
    std::string fenetre;
    bool image_depart, fond;
};

void observe_captures(Session& s, std::vector<VueCapture>& vues) {
    s.plateforme.a_la_capture = [&s, &vues](const Fiche& f) {
        vues.push_back({f.nom(), s->depart.image->visible, s->depart.fond_impression->visible});
    };
}

void fenetre_fermee_et_images_remises(Session& s) {
    EXPECT_FALSE(s->impression.fenetre.visible);
    EXPECT_FALSE(s->impression.fenetre.minuterie->enabled);
    EXPECT_TRUE(s->depart.image->visible);
    EXPECT_FALSE(s->depart.fond_impression->visible);
}

const std::string proposition_pdf = "\rVoulez-vous l'enregistrer dans un fichier PDF\u00a0?";

} // namespace

TEST(Impression, AvantLePremierClicLaPageSeFaitSurLeFondEtLImageRevient) {
    Session s;
    const auto journal = s.journal();
    std::vector<VueCapture> vues;
    observe_captures(s, vues);
    FenetreImpression& imp = s->impression.fenetre;
    int gauche = 0, haut = 0, largeur = 0, hauteur = 0, intervalle = 0, capture_largeur = 0;
    bool montree = false, minuterie = false;
    s.plateforme.pendant_modale = [&](const Fiche&) {
        montree = imp.visible;
        minuterie = imp.minuterie->enabled;
        intervalle = imp.minuterie->intervalle;
        gauche = imp.left, haut = imp.top, largeur = imp.width, hauteur = imp.height;
        capture_largeur = imp.image->capture.largeur;
    };

    s->menus.imprimer->clic();

    ASSERT_EQ(vues.size(), 2u);
    EXPECT_EQ(vues[0].fenetre, "Form1");
    EXPECT_EQ(vues[1].fenetre, "unit_imp");
    for (const VueCapture& v : vues)
        EXPECT_TRUE(!v.image_depart && v.fond) << v.fenetre;
    EXPECT_EQ(s.plateforme.fenetres_modales, std::vector<std::string>{"unit_imp"});
    EXPECT_TRUE(montree && minuterie);
    EXPECT_EQ(intervalle, 1000);
    EXPECT_EQ(imp.caption, "Impression");
    // The main window, 698 x 559, is centred on a 1024 x 768 screen at 163, 104.
    EXPECT_EQ(gauche, 167);
    EXPECT_EQ(haut, 146);
    // Placed over the client area (688 x 514 of a framed window), it grows to hold the whole
    // capture, which the silent platform takes at the window's size: no edge of the picture,
    // the title's top among them, is cut off the page.
    EXPECT_EQ(largeur, 698);
    EXPECT_EQ(hauteur, 559);
    EXPECT_EQ(imp.image->width, 698);
    EXPECT_EQ(imp.image->height, 559);
    EXPECT_EQ(capture_largeur, 698);
    // The page printed is the print window's own picture.
    ASSERT_EQ(s.plateforme.pages_imprimees.size(), 1u);
    EXPECT_EQ(s.plateforme.pages_imprimees[0].largeur, 698);
    EXPECT_EQ(s.plateforme.pages_imprimees[0].hauteur, 559);
    fenetre_fermee_et_images_remises(s);
    EXPECT_TRUE(s.plateforme.questions.empty());
    EXPECT_EQ(s.journal(), journal);
}

TEST(Impression, ApresLaDisparitionLImageDeDepartNeRevientPasDerriereLaFamille) {
    Session s;
    donne_phenotypes(s, 1, 0);
    s->depart.minuterie_disparition->tic();
    ASSERT_FALSE(s->depart.image->visible);
    std::vector<VueCapture> vues;
    observe_captures(s, vues);
    const auto journal = s.journal();
    s->menus.imprimer->clic();
    ASSERT_EQ(vues.size(), 2u);
    EXPECT_TRUE(!vues[0].image_depart && vues[0].fond);
    EXPECT_FALSE(s->impression.fenetre.visible);
    EXPECT_FALSE(s->depart.image->visible);
    EXPECT_FALSE(s->depart.fond_impression->visible);
    EXPECT_EQ(s.journal(), journal);
}

TEST(Impression, SansImprimanteLaMemePageVaDansUnPdf) {
    Session s;
    s.plateforme.resultat_impression = ResultatImpression::sans_imprimante;
    s.plateforme.reponses = {true};
    s.plateforme.fichiers_pdf = {std::string("/home/eleve/famille.pdf")};
    s.plateforme.pendant_modale = [&s](const Fiche&) {
        // The question comes once the window has closed.
        EXPECT_TRUE(s.plateforme.questions.empty());
    };
    const auto journal = s.journal();

    s->menus.imprimer->clic();

    EXPECT_EQ(s.plateforme.questions,
              std::vector<std::string>{
                  "Aucune imprimante n'est installée\u00a0: la page n'a pas été imprimée." +
                  proposition_pdf});
    EXPECT_EQ(s.plateforme.noms_proposes, std::vector<std::string>{"famille.pdf"});
    ASSERT_EQ(s.plateforme.pdf_ecrits.size(), 1u);
    const auto& [chemin, page] = s.plateforme.pdf_ecrits[0];
    EXPECT_EQ(chemin, "/home/eleve/famille.pdf");
    EXPECT_EQ(page.largeur, 698);
    EXPECT_EQ(page.hauteur, 559);
    EXPECT_EQ(page.pixels, s.plateforme.pages_imprimees.at(0).pixels);
    EXPECT_TRUE(s.plateforme.erreurs.empty());
    fenetre_fermee_et_images_remises(s);
    EXPECT_EQ(s.journal(), journal);
}

TEST(Impression, EchecRefusAnnulationEtPdfImpossible) {
    Session s;
    s.plateforme.resultat_impression = ResultatImpression::echec;
    const std::string question =
        "L'impression a échoué\u00a0: la page n'a pas été imprimée." + proposition_pdf;

    // "Non": no dialog.
    s->menus.imprimer->clic();
    EXPECT_EQ(s.plateforme.questions, std::vector<std::string>{question});
    EXPECT_TRUE(s.plateforme.noms_proposes.empty());
    fenetre_fermee_et_images_remises(s);

    // "Oui", then the dialog cancelled: nothing written.
    s.plateforme.reponses = {true};
    s->menus.imprimer->clic();
    EXPECT_EQ(s.plateforme.noms_proposes.size(), 1u);
    EXPECT_TRUE(s.plateforme.pdf_ecrits.empty());

    // A file that cannot be written says so.
    s.plateforme.reponses = {true};
    s.plateforme.fichiers_pdf = {std::string("/lecture_seule/famille.pdf")};
    s.plateforme.pdf_possible = false;
    s->menus.imprimer->clic();
    EXPECT_EQ(s.plateforme.pdf_ecrits.size(), 1u);
    EXPECT_EQ(
        s.plateforme.erreurs,
        std::vector<std::string>{"Impossible d'écrire le fichier /lecture_seule/famille.pdf."});
    EXPECT_EQ(s.plateforme.questions.size(), 3u);
    fenetre_fermee_et_images_remises(s);
}

TEST(Impression, UneFenetreRevenueOuverteEstFermeeQuandMeme) {
    Session s;
    s.plateforme.boucle_modale = false;
    s->menus.imprimer->clic();
    fenetre_fermee_et_images_remises(s);
    EXPECT_TRUE(s.plateforme.pages_imprimees.empty());
    EXPECT_TRUE(s.plateforme.questions.empty());
    // And the next printing works.
    s.plateforme.boucle_modale = true;
    s->menus.imprimer->clic();
    EXPECT_EQ(s.plateforme.pages_imprimees.size(), 1u);
}

TEST(Impression, LeProgrammeSansFenetreNImprimeRienEtNeDemandeRien) {
    PlateformeSilencieuse p;
    FenetrePrincipale f(p);
    f.coquille.demarre();
    f.coquille.minuterie_demarrage->tic();
    f.menus.imprimer->clic();
    EXPECT_FALSE(f.impression.fenetre.visible);
    EXPECT_TRUE(f.depart.image->visible);
    EXPECT_EQ(f.impression.fenetre.resultat, ResultatImpression::sans_imprimante);
}
