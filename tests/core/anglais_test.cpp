// The program in English: a session walked through every window, panel, menu, box and dialog,
// with no French text left; and a change of language that leaves the family as it was.
#include "app/classe.h"
#include "app/vidage.h"
#include "famille_test.h"
#include "ui/langue.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace orvan;
using namespace orvan::test;

namespace {

// Words that only French uses: those of the language file's French column that its English
// column does not have, and those of the program's other texts, as a teacher reads them.
std::set<std::string> mots_de(const std::string& texte) {
    std::set<std::string> mots;
    std::string mot;
    for (const char c : texte + " ") {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalpha(u) || u >= 0x80 || c == '\'') {
            mot += c;
        } else if (!mot.empty()) {
            mots.insert(mot);
            mot.clear();
        }
    }
    return mots;
}

std::set<std::string> mots_francais() {
    std::set<std::string> francais = {
        "Annuler",    "Avertissement", "Erreur",     "Oui",         "Non",
        "oui",        "non",           "bien",       "faux",        "gène",
        "gènes",      "Choix",         "Premier",    "Deuxième",    "premier",
        "deuxième",   "phénotype",     "génotype",   "Génotype",    "conjoint",
        "Changement", "sexe",          "masculin",   "féminin",     "hasard",
        "Réponses",   "Cliquez",       "individu",   "Quel",        "est",
        "son",        "rep",           "Autre",      "Aide",        "Effacer",
        "Calculette", "Impression",    "Ouvrir",     "Enregistrer", "Familles",
        "Tous",       "fichiers",      "fichier",    "Exemples",    "Précédent",
        "Suivant",    "Fermer",        "Daltonisme", "Groupes",     "Facteur",
        "rhésus",     "Hémophilie",    "Mauvaise",   "sur",         "Génétique",
        "Humaine",    "homme",         "femme",      "atteint",     "conductrice",
        "Choisissez", "Voulez",        "vous",       "perdre",      "données",
        "des",        "les",           "de",         "la",          "le",
        "et",         "Impossible",    "Mono",       "Di",          "hybridisme",
        "Quitter",    "famille",       "complète"};
    std::ifstream f(std::string(ORVAN_SOURCE_DATA) + "/langue_orvan.txt");
    std::vector<std::string> lignes;
    for (std::string l; std::getline(f, l);)
        lignes.push_back(l);
    for (const LigneLangue& l : analyse_langue(lignes).lignes) {
        const auto anglais = mots_de(l.anglais);
        for (const std::string& m : mots_de(l.francais))
            if (!anglais.count(m)) francais.insert(m);
    }
    return francais;
}

// The words that are the same in both languages and may stand in an English text.
const std::set<std::string> communs = {"OK", "Ok", "Options",   "info", "X",  "x",
                                       "Y",  "Nb", "autosomal", "Rh",   "Hg", "Orvan"};

struct TexteVu {
    std::string ou, texte;
};

class Releve {
  public:
    void texte(const std::string& ou, const std::string& t) { vus.push_back({ou, t}); }
    void fenetre(const Fiche& f) {
        texte(f.nom(), f.caption);
        for (const auto& c : f.composants()) {
            // The gene bank's text and the history's lines are data, not texts of the window.
            if (c->genre == Genre::memo || c->genre == Genre::liste) continue;
            const std::string ou = f.nom() + "/" + c->nom;
            texte(ou, c->caption);
            texte(ou + " (bulle)", c->hint);
            if (const auto* r = dynamic_cast<const RadioGroupe*>(c.get()))
                for (const auto& i : r->items)
                    texte(ou + " (item)", i);
            if (const auto* l = dynamic_cast<const Combo*>(c.get()))
                for (const auto& i : l->items)
                    texte(ou + " (item)", i);
            if (const auto* i = dynamic_cast<const Image*>(c.get()))
                for (const auto& t : i->textes)
                    texte(ou + " (image)", t);
        }
    }
    void session(Session& s) {
        fenetre(*s.f);
        fenetre(s->interro.dialogue);
        fenetre(s->impression.fenetre);
    }
    void plateforme(const PlateformeTest& p) {
        for (const BoiteMessage& b : p.boites) {
            texte("boîte", b.titre);
            texte("boîte", b.texte);
            for (const auto& bouton : b.boutons)
                texte("bouton de boîte", bouton);
        }
        for (const DialogueFichier& d : p.dialogues) {
            texte("dialogue", d.titre);
            for (const auto& filtre : d.filtres)
                texte("filtre", filtre);
            texte("place", d.lieu_exemples);
        }
        for (const DemandeTableau& t : p.tableaux) {
            texte("tableau", t.titre);
            texte("bouton de tableau", t.fermer);
            for (const auto& ligne : t.cases)
                for (const auto& c : ligne)
                    texte("case de tableau", c);
        }
        for (const DemandeFormulaire& d : p.formulaires) {
            for (const auto& t : {d.titre, d.explication, d.ok, d.annuler, d.par_defaut})
                texte("formulaire", t);
            for (const GroupeFormulaire& g : d.groupes)
                texte("groupe de formulaire", g.titre);
        }
        for (const DemandeAide& a : p.demandes_aide) {
            texte("aide", a.page);
            texte("aide", a.titre);
            texte("aide", a.introuvable);
            for (const auto& bouton : a.boutons)
                texte("bouton d'aide", bouton);
        }
    }

    std::vector<TexteVu> vus;
};

bool est_francais(const std::string& texte, const std::set<std::string>& francais) {
    for (const char* accent : {"é", "è", "à", "ç", "ê", "ù", "«"})
        if (texte.find(accent) != std::string::npos) return true;
    for (const std::string& m : mots_de(texte))
        if (francais.count(m) && !communs.count(m)) return true;
    return false;
}

// A session started with "2", the language file found where the program is installed.
struct SessionAnglaise : Session {
    SessionAnglaise(std::vector<std::string> arguments = {"2"})
        : Session({10, 20, 30, 400}, std::move(arguments)) {
        f->coquille.repertoire_programme = ORVAN_SOURCE_DATA;
        f->menus.anglais->clic();
    }
};

void famille_de_trois_generations(Session& s) {
    s->phenotypes.nb_descendants->choix_utilisateur(3);
    donne_phenotypes(s, 1, 0);
    donne_phenotypes(s, 2, 1);
    s->phenotypes.nb_descendants->choix_utilisateur(1);
    donne_phenotypes(s, 3, 0);
}

void touche(Session& s, const char* nom) {
    s->trouve(nom)->clic();
}

} // namespace

TEST(Anglais, ToutCeQueVoitLEleveEstEnAnglais) {
    Releve releve;
    SessionAnglaise s;
    releve.session(s);

    // The phenotype panel, the family, a spouse, the change of genotype, the colours.
    s->arbre.clic_individu(1, Bouton::gauche);
    releve.session(s);
    s->phenotypes.annuler->clic();
    famille_de_trois_generations(s);
    releve.session(s);
    s->arbre.tab_shape[4]->on_mouse_down(Bouton::droit, 1, 1);
    releve.session(s);
    s->genotypes.annuler->clic();
    s->menus.couleurs->clic();
    s->menus.historique->clic();
    releve.session(s);
    s->couleurs.fermer->clic();

    // The probabilities under the symbols, and the Bayes table of one who may be a carrier.
    s->menus.probabilites->clic();
    s->actualise_probabilites();
    releve.session(s);
    for (Label* t : s->probabilites.textes)
        if (t && t->visible) {
            t->on_mouse_down(Bouton::gauche, 1, 1);
            break;
        }
    s->menus.probabilites->clic();
    // The allele frequencies: a text that is no number, then a sum to bring back to 1.
    s.plateforme.formulaires_remplis = {{"x", "1"}, {"1", "1"}};
    s.plateforme.reponses = {false};
    s->menus.frequences->clic();

    // Both exercises, the question window asked, marked and its help.
    s->menus.exercice_alleles->clic();
    s->alleles.ok->clic();
    releve.session(s);
    s->alleles.annuler->clic();
    s->menus.exercice_genotypes->clic();
    InterroGenotype& d = s->interro.dialogue;
    s.plateforme.gestes_modaux = {[&] { releve.session(s); },
                                  [&] {
                                      d.reponse1->caption = "XD,Y";
                                      d.ok->clic();
                                  },
                                  [&] { releve.session(s); }, [&] { d.aide->clic(); },
                                  [&] { d.annuler->clic(); }};
    s->arbre.tab_shape[1]->on_mouse_down(Bouton::gauche, 1, 1);
    releve.session(s);

    // Every question, warning and error, the dialogs and the help.
    // The family changed: leaving it asks whether to save it, and "Cancel" keeps it; "Don't
    // save" before each opening.
    s.plateforme.reponses_trois = {ReponseTrois::annule, ReponseTrois::annule, ReponseTrois::refuse,
                                   ReponseTrois::refuse};
    s.plateforme.reponses = {true};
    s->menus.autre_famille->clic();
    s->menus.caractere->clic();
    s.plateforme.resultat_impression = ResultatImpression::sans_imprimante;
    s.plateforme.pdf_possible = false;
    s.plateforme.fichiers_pdf = {"/nowhere/family.pdf"};
    s->menus.imprimer->clic();
    s.plateforme.fichiers_a_enregistrer = {"/nowhere/family.gen"};
    s->menus.enregistrer->clic();
    s.plateforme.fichiers_a_ouvrir = {"/nowhere/family.gen"};
    s->menus.ouvrir->clic();
    s->coquille.touche(112);
    s->menus.calculette->clic();
    for (const char* t : {"b1", "b_div", "b0", "b_egal"})
        touche(s, t);
    s->famille.numerote_jusqu_a(38);
    s->arbre.clic_individu(4, Bouton::gauche);
    s->famille.numerote_jusqu_a(9);

    // A family of two genes read from a file.
    s.plateforme.fichiers_a_ouvrir = {ORVAN_TEST_DATA "/deux_genes_marques.gen"};
    s->menus.ouvrir->clic();
    releve.session(s);

    // The teacher's mode and gene choice, and two genes that are the same.
    SessionAnglaise t({"2", "--enseignant"});
    releve.session(t);
    t->coquille.bouton_di->clic();
    t->genes.premier_gene->selectionne(0);
    t->genes.second_gene->selectionne(0);
    releve.session(t);
    releve.plateforme(t.plateforme);
    releve.plateforme(s.plateforme);
    // The teacher's table of a class, as "--classe" prints it; the pupils' names are theirs.
    const EleveReleve eleve{"tom.gen", "tom", {"Daltonisme d", "Groupes ABO"}, 9, 3, 8, 6, 5, 3,
                            {2, 1, 1}, true};
    releve.texte("--classe", texte_de_la_classe({eleve}, Langue::anglais));

    const auto francais = mots_francais();
    std::set<std::string> vus;
    for (const TexteVu& v : releve.vus) {
        EXPECT_FALSE(est_francais(v.texte, francais)) << v.ou << ": " << v.texte;
        vus.insert(v.texte);
    }
    // What a teacher expects to read somewhere on the way.
    for (const char* attendu : {"Colour blindness",
                                "Haemophilia and Rhesus factor",
                                "Choice of phenotypes",
                                "Change of genotype",
                                "male",
                                "female",
                                "right",
                                "wrong",
                                "What is the genotype of I-1?",
                                "yes",
                                "Warning",
                                "Error",
                                "Yes",
                                "No",
                                "Open",
                                "Save",
                                "Don't save",
                                "Families (*.gen)",
                                "Examples",
                                "Save as PDF",
                                "orvan-en.html",
                                "Monohybrid cross",
                                "The two genes are the same",
                                "The family is complete: no other spouse can be added.",
                                "Floating point division by zero",
                                "Choose the phenotype of these individuals by clicking on them",
                                "Human Genetics",
                                "carrier",
                                "on X",
                                "file:deux_genes_marques.gen",
                                "Click on an individual",
                                "Posterior",
                                "Default values"})
        EXPECT_TRUE(vus.count(attendu)) << attendu;
    // The walk's boxes: the frequencies' sum to bring back to 1, the changed family before
    // "Other family", "Trait" and two openings, and the PDF.
    EXPECT_EQ(s.plateforme.questions.size(), 6u);
    EXPECT_EQ(s.plateforme.erreurs.size(), 4u);
}

TEST(Anglais, ChangerDeLangueNeChangeQueLesTextes) {
    Session s;
    s->coquille.repertoire_programme = ORVAN_SOURCE_DATA;
    famille_de_trois_generations(s);
    s->menus.exercice_alleles->clic();
    s->alleles.ok->clic();
    const std::string francais = etat_json(*s.f);
    const std::vector<std::string> journal = s.journal();
    const Famille famille = s->famille;
    const auto meme_famille = [&] {
        for (int k = 1; k <= max_individus; ++k) {
            const Individu &avant = famille.individu(k), &apres = s->famille.individu(k);
            if (avant.genotypes != apres.genotypes || avant.phenotypes != apres.phenotypes ||
                avant.sexe != apres.sexe || avant.position != apres.position)
                return false;
        }
        return true;
    };

    s->menus.anglais->clic();
    EXPECT_EQ(s.journal(), journal);
    EXPECT_TRUE(meme_famille());
    EXPECT_EQ(s->alleles.label_correction[1][1]->caption, "right");
    EXPECT_EQ(s->coquille.titre->caption, "Colour blindness");
    EXPECT_EQ(s->coquille.titre->hint, "Poor colour vision ");
    EXPECT_EQ(s->coquille.titre->left, (s->width - s->coquille.titre->width) / 2);

    // The replay in English rebuilds the same family, and French comes back whole.
    s->historique.lancer->clic();
    EXPECT_EQ(s.journal(), journal);
    EXPECT_TRUE(meme_famille());
    s->menus.francais->clic();
    EXPECT_EQ(etat_json(*s.f), francais);
}

namespace {

std::string lit(const std::string& chemin) {
    std::ifstream f(chemin);
    std::stringstream t;
    t << f.rdbuf();
    return t.str();
}

std::vector<std::string> trouvailles(const std::string& texte, const std::string& motif) {
    std::vector<std::string> r;
    const std::regex re(motif);
    for (auto it = std::sregex_iterator(texte.begin(), texte.end(), re);
         it != std::sregex_iterator(); ++it)
        r.push_back(it->str());
    return r;
}

} // namespace

// The topics that F1 and the question window's help open are the same pages' anchors, in the same
// order, with as many sections and links in either language.
TEST(Anglais, LAideAnglaiseTraiteLesMemesSujets) {
    const std::string fr = lit(std::string(ORVAN_SOURCE_DATA) + "/aide/orvan.html");
    const std::string en = lit(std::string(ORVAN_SOURCE_DATA) + "/aide/orvan-en.html");
    ASSERT_FALSE(fr.empty());
    ASSERT_FALSE(en.empty());
    const auto sujets = trouvailles(fr, "name=\"sujet[0-9]+\"");
    EXPECT_EQ(sujets.size(), 14u);
    EXPECT_EQ(trouvailles(en, "name=\"sujet[0-9]+\""), sujets);
    EXPECT_EQ(trouvailles(en, "href=\"#sujet[0-9]+\""), trouvailles(fr, "href=\"#sujet[0-9]+\""));
    for (const char* titre : {"<h1", "<h2", "<h3", "<table", "<li", "<pre"})
        EXPECT_EQ(trouvailles(en, titre).size(), trouvailles(fr, titre).size()) << titre;
    EXPECT_NE(en.find("<html lang=\"en\">"), std::string::npos);
}
