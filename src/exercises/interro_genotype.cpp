// The question window: the answers of the two genes side by side in a frame, "OK" beside them,
// the mark under each answer and the right answer under the marks; the other buttons below.
#include "exercises/interro_genotype.h"

#include "ground/messages.h"
#include "ui/boutons.h"
#include "ui/geometrie.h"
#include "ui/textes_controles.h"

namespace orvan {

InterroGenotype::InterroGenotype(const MesureTexte& mesure) : Fiche("interro_genotype") {
    attend_un_clic(Langue::francais);
    width = largeur_pleine;
    height = hauteur_pleine;
    // The main window's bottom right corner, which no panel and no individual takes.
    left = 698 - largeur_pleine - 10;
    top = 500;
    cadre = &place(cree<Biseau>(nullptr, "Bevel1"), 4, 4, 215, 84);
    cree_reponses(mesure);
    cree_boutons();
    focus = reponse1;
}

void InterroGenotype::cree_reponses(const MesureTexte& mesure) {
    const auto label = [&](const char* nom, const Texte& texte, int left, int top) {
        Label& l = cree<Label>(nullptr, nom, mesure);
        l.left = left;
        l.top = top;
        ecrit(l, texte, Langue::francais);
        return &l;
    };
    num_gene = label("num_gene", msg::genes_1_et_2, 12, 9);
    reponse1 = &place(cree<Saisie>(nullptr, "Edit1"), 10, 27, 66, 22);
    reponse2 = &place(cree<Saisie>(nullptr, "Edit2"), 80, 27, 66, 22);
    marque1 = label("Label1", Texte::tel_quel(":"), 12, 53);
    marque2 = label("Label2", Texte::tel_quel(":"), 82, 53);
    reponse_juste = label("lab_rep", msg::reponse, 12, 69);
}

void InterroGenotype::cree_boutons() {
    ok = &cree_bouton(*this, nullptr, "BitBtn1", msg::ok, {151, 26, 64}, Glyphe::ok);
    autre = &cree_bouton(*this, nullptr, "btn_autre", msg::autre_genotype, {4, 96, 104});
    annuler =
        &cree_bouton(*this, nullptr, "CancelBtn", msg::annuler, {111, 96, 62}, Glyphe::annuler);
    aide = &cree_bouton(*this, nullptr, "HelpBtn", msg::aide_bouton, {176, 96, 43});
}

void InterroGenotype::attend_un_clic(Langue l) {
    ecrit_titre(*this, msg::cliquez_individu, l);
}

void InterroGenotype::demande_genotype(const std::string& nom, Langue l) {
    ecrit_titre(*this, msg::quel_genotype_de.avec({Texte::tel_quel(nom)}), l);
}

} // namespace orvan
