// Start-up sequence, full reset, mode choice and the two restarts.
#include "app/form1.h"

#include "ui/couleurs.h"

namespace orvan {

void TForm1::FormCreate() {
    const Taille ecran = plateforme.taille_ecran();
    left = (ecran.largeur - width) / 2;
    top = (ecran.hauteur - height) / 2;
    Timer_debut->enabled = true;
}

void TForm1::Timer_debutTimer() {
    Timer_debut->enabled = false;
    double_buffer = true;
    // The start directory ends with one separator, also when started from the root.
    repertoire_depart = plateforme.repertoire_courant() + "/";
    if (const auto p = repertoire_depart.find("//"); p != std::string::npos)
        repertoire_depart.erase(p, 1);
    demarrage_direct = 1;
    Sansinfognotype1Click();
    fichier_aide = "orvan.hlp";
    ped.mode_interro_geno = 0;
    ped.choix_en_cours = 0;
    Exercice1->enabled = false;
    rejeu_en_cours = 0;
    init(1);
    for (int k = 1; k <= 2; ++k) {
        tab_shape[k]->visible = false;
        tab_label[k]->visible = false;
    }
    titre->visible = false;
    group_choix->visible = false;
    nom_fichier_lu->set_caption("");
    nom_fichier_lu->visible = false;
    Autrefamille1->enabled = false;
    init_evenement(0);
    Choix_carac->left = width / 2 - Choix_carac->width / 2;
    if (demarrage_direct == 1) Monohybridisme1Click();
    // The gene choice above confirmed the gene once, where a replay of these lines confirms it
    // twice. Replaying our own log leaves the generator where any later replay of it will, so
    // a family saved from here on comes back draw for draw.
    BitBtn12Click();
}

void TForm1::init(int a) {
    menu_pheno->checked = true;
    menu_geno->checked = false;
    for (int i = 1; i <= max_legende; ++i)
        indice_couleur[i] = 16;
    couleurs = table_couleurs();
    if (a == 1) extrait_maladies();
    choix_nb_desc->index = 0;
    choix_nb_desc2->index = 0;
    init_pedigree();
}

// The mode choice: a full reset, then the gene lists for one or two genes.
void TForm1::choix_mode(int genes) {
    init(1);
    Choix_carac->visible = false;
    Group_sec->enabled = genes == 2;
    Group_prem->enabled = true;
    dimension_choix(genes);
    modele.nb_genes = genes;
    stock_ev(genes == 2 ? "bitbtn5click" : "bitbtn4click");
}

void TForm1::Monohybridisme1Click() {
    choix_mode(1);
    if (demarrage_direct == 1) {
        Group_prem->selectionne(0);
        BitBtn1->clic();
    }
}

void TForm1::Dihybridisme1Click() {
    choix_mode(2);
}

void TForm1::Caractre1Click() {
    if (ped.mode_interro_geno == 1) regen_shape();
    if (plateforme.question_oui_non(Label44->caption)) Timer_debut->enabled = true;
}

void TForm1::Autrefamille1Click() {
    if (!plateforme.question_oui_non("Voulez-vous perdre les données\r"
                                     "des parents de la F1 et de la F2?"))
        return;
    init(3);
    BitBtn1Click();
    // Keep the gene set-up up to its confirmation after the last mode choice: four lines
    // with one gene, five with two.
    const auto& lignes = evenements->lignes;
    std::size_t mode = 0;
    for (std::size_t i = 0; i < lignes.size(); ++i)
        if (lignes[i] == "bitbtn4click" || lignes[i] == "bitbtn5click") mode = i;
    int garde = 4;
    for (std::size_t i = mode; i < lignes.size(); ++i)
        if (lignes[i] == "bitbtn1click") {
            garde = static_cast<int>(i) + 1;
            break;
        }
    init_evenement(garde);
    BitBtn12Click();
}

void TForm1::Fichier1Click() {
    if (ped.mode_interro_geno == 1) regen_shape();
}

void TForm1::Quitter1Click() {
    visible = false;
    plateforme.quitter();
}

void TForm1::Sansinfognotype1Click() {
    Sansinfognotype1->checked = true;
    Avecinfognotype1->checked = false;
    show_hint_global = false;
}

void TForm1::Avecinfognotype1Click() {
    Sansinfognotype1->checked = false;
    Avecinfognotype1->checked = true;
    show_hint_global = true;
}

void TForm1::Aide1Click() {
    plateforme.ouvrir_aide(fichier_aide, 1);
}

void TForm1::FormKeyDown(int touche) {
    if (touche == 112) Aide1Click();
}

void TForm1::Timer_anim_flecheTimer() {
    speed_fleche->left += pas_fleche;
    if (speed_fleche->left > 380 || speed_fleche->left < 290) {
        pas_fleche = -pas_fleche;
        ++rebonds_fleche;
        if (rebonds_fleche > 3 && speed_fleche->left > 200) Timer_anim_fleche->enabled = false;
    }
}

void TForm1::Timer_disparait_imageTimer() {
    Timer_disparait_image->enabled = false;
    Timer_disparait_image->intervalle = 200;
    ++nb_demarrages_image;
    if (nb_demarrages_image < 2) Image1->visible = false;
    speed_fleche->visible = false;
    Panel_info->visible = false;
    Timer_anim_fleche->enabled = false;
}

} // namespace orvan
