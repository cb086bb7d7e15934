#include "exercises/exercice_alleles.h"
#include "exercises/exercice_genotypes.h"
#include "exercises/liens_exercices.h"
#include "exercises/saisie_genotypes.h"
#include "ground/messages.h"
#include "ui/boutons.h"
#include "ui/geometrie.h"
#include "ui/textes_controles.h"

#include <algorithm>

namespace orvan {

void ExerciceAlleles::cree_controles() {
    // Low on the left, and whole inside the window: its buttons must show.
    panneau = &place(f.fenetre.cree<Groupe>(nullptr, "GroupBox4"), 10, 255, 147, 250);
    ecrit(*panneau, msg::reponses, f.textes.langue());
    panneau->visible = false;
    panneau->curseur = Curseur::deplacement;
    for (int g = 1; g <= 2; ++g) {
        Groupe& boite =
            f.fenetre.cree<Groupe>(panneau, g == 1 ? "prem_gene_interro" : "sec_gene_interro");
        place(boite, g == 1 ? 6 : 149, 16, 136, 224);
        boite.curseur = Curseur::deplacement;
        boites[g] = &boite;
        for (int i = 1; i <= max_relations; ++i) {
            const int num = (g - 1) * 10 + i;
            case_relation[g][i] =
                &place(f.fenetre.cree<CaseACocher>(&boite, "Check" + std::to_string(num)), 6,
                       16 + (i - 1) * 18, 90, 17);
            const std::string nom_cor = "cor" + std::to_string(g) + std::to_string(i);
            label_correction[g][i] = &f.fenetre.cree<Label>(&boite, nom_cor, f.plateforme);
            case_relation[g][i]->on_click = [this, g, i] { note_reponse(g, i); };
            label_correction[g][i]->left = 100;
            label_correction[g][i]->top = 18 + (i - 1) * 18;
        }
    }
    boites[2]->visible = false;
    ok = &cree_bouton(f.fenetre, panneau, "BitBtn6", msg::ok, {6, 244, 64}, Glyphe::ok);
    annuler =
        &cree_bouton(f.fenetre, panneau, "BitBtn7", msg::annuler, {74, 244, 68}, Glyphe::annuler);
    panneau->height = 275;
    ok->on_click = [this] { marque(); };
    annuler->on_click = [this] { ferme(); };
}

void ExerciceAlleles::montre() {
    panneau->visible = true;
}

// A ticked box says the statement is true: the answer is right when the bank says so.
void ExerciceAlleles::marque() {
    const ModeleCaracteres& modele = f.modele;
    for (int g = 1; g <= 2; ++g)
        for (int i = 1; i <= std::min(modele.nb_relations[g], max_relations); ++i) {
            const bool vrai = modele.etat_relation[g][i] == EtatEnonce::bon;
            const bool juste = case_relation[g][i]->checked == vrai;
            ecrit(*label_correction[g][i], juste ? msg::bien : msg::faux, f.textes.langue());
            marques[g][i] = juste ? Marque::bien : Marque::faux;
        }
    f.journal.stock_ev(ev::AllelesMarques{});
}

void ExerciceAlleles::annule() {
    Pedigree& ped = f.arbre.ped;
    ped.choix_en_cours = 0;
    panneau->visible = false;
    f.journal.stock_ev(ev::AllelesAnnules{});
    f.famille.numerote_jusqu_a(f.famille.dernier_indiv() + 1);
    f.phenotypes.ferme_choix();
    if (f.famille.dernier_indiv() > 2)
        f.arbre.retrait_dernier();
    else
        f.phenotypes.rend_le_sexe_d_ouverture();
    ped.changement_genotype = false;
}

void ExerciceAlleles::ferme() {
    panneau->visible = false;
    f.journal.stock_ev(ev::ReponsesFermees{});
}

void ExerciceAlleles::note_reponse(int g, int i) {
    f.journal.stock_ev(ev::ReponseCochee{g, i, case_relation[g][i]->checked});
}

// New genes come with every statement ticked: that is no answer of the pupil's.
void ExerciceAlleles::remet_reponses() {
    for (int g = 1; g <= 2; ++g)
        for (int i = 1; i <= max_relations; ++i) {
            case_relation[g][i]->checked = true;
            label_correction[g][i]->set_caption("");
            marques[g][i] = Marque::aucune;
        }
}

void ExerciceAlleles::vide_enonces() {
    for (int g = 1; g <= 2; ++g)
        for (int i = 1; i <= max_relations; ++i) {
            case_relation[g][i]->caption.clear();
            case_relation[g][i]->texte.reset();
            case_relation[g][i]->visible = false;
        }
}

void ExerciceAlleles::nomme_genes(const Texte& nom1, const Texte& nom2, bool deux) {
    ecrit(*boites[1], nom1, f.textes.langue());
    if (deux) ecrit(*boites[2], nom2, f.textes.langue());
}

void ExerciceAlleles::montre_relations(int g, const ModeleCaracteres& modele) {
    for (int i = 1; i <= modele.nb_relations[g]; ++i) {
        CaseACocher& c = *case_relation[g][i];
        ecrit(c, msg::texte_de_la_banque(modele.relation[g][i]), f.textes.langue());
        c.width = largeur_case(c);
        c.visible = true;
    }
}

int ExerciceAlleles::largeur_case(const CaseACocher& c) const {
    return f.plateforme.mesure(c.caption, f.mesure_relation->police).largeur + 14;
}

void ExerciceAlleles::remesure_relations() {
    for (int g = 1; g <= 2; ++g)
        for (int i = 1; i <= max_relations; ++i)
            if (case_relation[g][i]->visible)
                case_relation[g][i]->width = largeur_case(*case_relation[g][i]);
}

void ExerciceAlleles::mise_en_page(bool deux_genes) {
    boites[2]->visible = deux_genes;
    panneau->width = deux_genes ? 290 : 147;
}

} // namespace orvan
