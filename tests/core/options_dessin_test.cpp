// The picture export and the drawing options in the menus: they change nothing of the family,
// of the log or of the saved file.
#include "app/vidage.h"
#include "famille_test.h"
#include "ui/langue.h"
#include "ui/langue_fiche.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace orvan;
using namespace orvan::test;

namespace {

std::vector<std::string> entrees_de(const FenetrePrincipale& f, const Menu* parent) {
    std::vector<std::string> noms;
    for (const auto& c : f.composants())
        if (c->parent == parent && c->genre == Genre::menu) noms.push_back(c->nom);
    return noms;
}

} // namespace

TEST(OptionsDessin, ExporterSuitImprimerEtNeToucheARien) {
    Session s;
    EXPECT_EQ(entrees_de(*s, s->menus.fichier),
              (std::vector<std::string>{"Ouvrir1", "sauver1", "Imprimer1", "Exporterimage1",
                                        "Exporter1", "Quitter1"}));
    EXPECT_EQ(s->menus.exporter_image->caption, "Exporter l'image…");
    EXPECT_EQ(s->menus.exporter_image->tag, 15);

    donne_phenotypes(s, 1, 0);
    donne_phenotypes(s, 2, 1);
    const std::string avant = etat_json(*s);
    // Without a front end the entry does nothing; with one, it hands it the export.
    s->menus.exporter_image->clic();
    int exports = 0;
    s->exporte_image = [&exports] { ++exports; };
    s->menus.exporter_image->clic();
    EXPECT_EQ(exports, 1);
    EXPECT_EQ(etat_json(*s), avant);
}

TEST(OptionsDessin, MotifsEtNumerotationApresLesAutresOptions) {
    Session s;
    EXPECT_EQ(entrees_de(*s, s->menus.options),
              (std::vector<std::string>{"Sansinfognotype1", "Avecinfognotype1", "N1", "Langue1",
                                        "N2", "Motifs1", "Numrotation1"}));
    EXPECT_EQ(s->menus.motifs->tag, 104);
    EXPECT_EQ(s->menus.numerotation->tag, 105);
    EXPECT_TRUE(s->menus.separateur_dessin->separateur);

    donne_phenotypes(s, 1, 0);
    donne_phenotypes(s, 2, 1);
    const std::string avant = etat_json(*s);
    EXPECT_FALSE(s->menus.motifs->checked || s->menus.numerotation->checked);
    s->menus.motifs->clic();
    EXPECT_TRUE(s->menus.motifs->checked);
    EXPECT_FALSE(s->menus.numerotation->checked);
    s->menus.numerotation->clic();
    EXPECT_TRUE(s->menus.numerotation->checked);
    s->menus.motifs->clic();
    EXPECT_FALSE(s->menus.motifs->checked);
    EXPECT_EQ(etat_json(*s), avant);
}

TEST(OptionsDessin, LeFichierDeLangueLesNomme) {
    Session s;
    std::ifstream f(std::string(ORVAN_TEST_DATA) + "/../../data/langue_orvan.txt");
    std::vector<std::string> lignes;
    for (std::string l; std::getline(f, l);)
        lignes.push_back(l);
    const FichierLangue langue = analyse_langue(lignes);
    ASSERT_FALSE(langue.erreur);
    applique_langue(*s, langue.lignes, langue_anglais);
    EXPECT_EQ(s->menus.exporter_image->caption, "Export the picture…");
    EXPECT_EQ(s->menus.motifs->caption, "Patterns");
    EXPECT_EQ(s->menus.numerotation->caption, "Numbering");
    EXPECT_EQ(s->menus.imprimer->caption, "Print");
    applique_langue(*s, langue.lignes, langue_francais);
    EXPECT_EQ(s->menus.numerotation->caption, "Numérotation");
}
