#include "exercises/exercice_genotypes.h"
#include "ground/messages.h"
#include "ui/textes_controles.h"

#include "exercises/exercice_alleles.h"
#include "exercises/exercice_genotypes.h"
#include "exercises/liens_exercices.h"
#include "exercises/marquage_genotype.h"
#include "exercises/saisie_genotypes.h"
#include "famille/nom_individu.h"

#include <algorithm>
#include <vector>

namespace orvan {

ExerciceGenotypes::ExerciceGenotypes(LiensExercices& liens) : dialogue(liens.plateforme), f(liens) {
    dialogue.ok->on_click = [this] { marque(); };
    dialogue.autre->on_click = [this] { autre_genotype(); };
    dialogue.annuler->on_click = [this] { termine(); };
    dialogue.aide->on_click = [this] { aide(); };
    dialogue.on_close = [this] { ferme_hors_question(); };
    dialogue.on_key_down = [this](int touche) {
        if (touche == 112) aide();
    };
}

void ExerciceGenotypes::relie_pedigree() {
    Arbre& arbre = f.arbre;
    for (int k = 1; k <= max_individus; ++k)
        for (Controle* c : {static_cast<Controle*>(arbre.tab_shape[k]),
                            static_cast<Controle*>(arbre.tab_label[k])}) {
            auto clic = std::move(c->on_mouse_down);
            c->on_mouse_down = [this, k, clic](Bouton b, int x, int y) {
                if (!f.arbre.questionne_genotypes()) {
                    if (clic) clic(b, x, y);
                    return;
                }
                question(k);
                if (k <= 2) f.lance_disparition();
            };
        }
    f.image_depart->on_mouse_down = [this](Bouton, int, int) { f.arbre.finit_les_questions(); };
}

// Started again while it runs, it would take the states it set itself for those to give back.
void ExerciceGenotypes::commence() {
    Arbre& arbre = f.arbre;
    if (arbre.questionne_genotypes()) return;
    arbre.questionne_genotypes(true);
    // Every symbol takes the click that asks its genotype; the end of the questions gives back
    // what each took before.
    for (int k = 1; k <= max_individus; ++k) {
        arbre.ped.etat_actif[k] = f.famille.individu(k).actif;
        arbre.active(k, true);
        arbre.tab_shape[k]->show_hint = arbre.tab_label[k]->show_hint = false;
    }
    dialogue.autre->enabled = false;
    const bool deux = f.modele.nb_genes == 2;
    dialogue.reponse2->visible = dialogue.marque2->visible = deux;
    ecrit(*dialogue.num_gene, deux ? msg::genes_1_et_2 : msg::gene_1, f.textes.langue());
    dialogue.height = InterroGenotype::hauteur_titre;
    dialogue.visible = true;
}

// The window stands beside the family, level with the individual asked, whose symbol stands out
// while the pupil answers.
void ExerciceGenotypes::question(int n) {
    Forme& symbole = *f.arbre.tab_shape[n];
    dialogue.left = droite_de_la_famille() + 20;
    dialogue.top = std::max(0, symbole.top - 30);
    dialogue.visible = false;
    dialogue.demande_genotype(nom_individu(f.famille, n), f.textes.langue());
    dialogue.height = InterroGenotype::hauteur_pleine;
    hint_interroge = f.famille.individu(n).bulle();
    individu_interroge = n;
    f.journal.stock_ev(ev::QuestionGenotype{n, {}});
    dialogue.visible = true;
    question_en_cours = true;
    symbole.mis_en_evidence = true;
    f.plateforme.montre_modale(dialogue, [this, &symbole] {
        symbole.mis_en_evidence = false;
        apres_question();
    });
}

void ExerciceGenotypes::apres_question() {
    question_en_cours = false;
    if (autre_demande)
        attend_un_clic();
    else
        f.arbre.regen_shape();
}

// The window closed by its own close button after an earlier "Autre génotype" waits as well.
void ExerciceGenotypes::attend_un_clic() {
    dialogue.attend_un_clic(f.textes.langue());
    dialogue.height = InterroGenotype::hauteur_titre;
    dialogue.visible = true;
}

int ExerciceGenotypes::droite_de_la_famille() const {
    int droite = 0;
    for (int k = 1; k <= max_individus; ++k)
        if (f.famille.individu(k).visible)
            droite =
                std::max({droite, f.arbre.tab_shape[k]->right(), f.arbre.tab_label[k]->right()});
    return droite;
}

// The genotypes as the pupil writes them: one per gene, without the hint's separators.
void ExerciceGenotypes::marque() {
    const GenotypesDeLaBulle g = genotypes_de_la_bulle(hint_interroge);
    const Langue l = f.textes.langue();
    // A drawn child of one gene holds "," for the gene it has not.
    const bool second = g.gene2.find_first_not_of(", ") != std::string::npos;
    const std::string juste = second ? g.gene1 + "   " + g.gene2 : g.gene1;
    ecrit(*dialogue.reponse_juste,
          juste.empty() ? msg::reponse : msg::reponse_juste_est.avec({Texte::tel_quel(juste)}), l);
    const auto note = [](bool juste) { return juste ? msg::oui_juste : msg::non_faux; };
    const bool juste1 = reponse_juste(dialogue.reponse1->caption, g.gene1, casse_exacte(1));
    const bool juste2 = reponse_juste(dialogue.reponse2->caption, g.gene2, casse_exacte(2));
    ecrit(*dialogue.marque1, note(juste1), l);
    ecrit(*dialogue.marque2, note(juste2), l);
    ev::QuestionGenotype marques{individu_interroge, {juste1}};
    if (f.modele.nb_genes == 2) marques.justes.push_back(juste2);
    if (question_en_cours) f.journal.stock_ev(marques);
    dialogue.autre->enabled = true;
}

// Whether the answers for gene g must have the case of the gene's genotypes.
bool ExerciceGenotypes::casse_exacte(int g) const {
    std::vector<std::string> genotypes;
    const int n = std::min(f.modele.nb_genotypes_gene[g], max_genotypes_gene);
    for (int i = 1; i <= n; ++i)
        genotypes.push_back(f.modele.genotype_du_gene[g][i]);
    return alleles_distingues_par_la_casse(genotypes);
}

void ExerciceGenotypes::autre_genotype() {
    dialogue.marque1->set_caption(":");
    dialogue.marque2->set_caption(":");
    ecrit(*dialogue.reponse_juste, msg::reponse, f.textes.langue());
    dialogue.autre->enabled = false;
    autre_demande = true;
    dialogue.reponse1->caption.clear();
    dialogue.reponse2->caption.clear();
    dialogue.attend_un_clic(f.textes.langue());
    dialogue.height = InterroGenotype::hauteur_titre;
    dialogue.visible = false;
}

void ExerciceGenotypes::termine() {
    ferme_hors_question();
    f.arbre.questionne_genotypes(false);
    autre_demande = false;
    dialogue.visible = false;
}

// Closed while it waits for a click (its Escape key, its close button), the window would leave
// every individual clickable and every genotype hidden with nothing on screen to say why: the
// exercise ends as after a question.
void ExerciceGenotypes::ferme_hors_question() {
    if (!question_en_cours) f.arbre.finit_les_questions();
}

void ExerciceGenotypes::aide() {
    f.plateforme.ouvrir_aide(msg::page_aide, sujet_aide);
}

} // namespace orvan
