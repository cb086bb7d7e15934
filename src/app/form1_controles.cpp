// Creation of the main window's controls, in the order in which they stand on it: pedigree
// lines first, then symbols, then labels, then the floating panels above the pedigree.
#include "app/form1.h"

#include "genebank/banque_integree.h"

namespace orvan {

namespace {

template <class T> T* place(T& c, int l, int t, int w, int h) {
    c.left = l;
    c.top = t;
    c.width = w;
    c.height = h;
    return &c;
}

} // namespace

TForm1::TForm1(Plateforme& p, std::vector<std::string> args)
    : Fiche("Form1"), plateforme(p), arguments(std::move(args)) {
    caption = "Daltonisme";
    width = 698;
    height = 559;
    fond = rgb(237, 236, 211);
    au_premier_plan = true;
    cree_controles();
    relie_evenements();
}

void TForm1::cree_controles() {
    cree_menus();

    Image1 = place(cree<Image>(nullptr, "Image1"), 126, 120, 446, 410);
    Image1->dessin = Dessin::depart;
    Image2 = place(cree<Image>(nullptr, "Image2"), 0, 0, 698, 559);
    Image2->visible = false;

    cree_pedigree();

    titre = &cree<Label>(nullptr, "titre", plateforme);
    titre->tag = 1;
    titre->police = {12, true};
    titre->top = 8;
    titre->visible = false;
    titre->couleur_texte = rgb(0, 0, 128);

    nom_fichier_lu = &cree<Label>(nullptr, "nom_fichier_lu", plateforme);
    nom_fichier_lu->transparent = false;
    nom_fichier_lu->fond = rgb(0, 0, 128);
    nom_fichier_lu->couleur_texte = rgb(255, 255, 0);
    nom_fichier_lu->visible = false;

    Panel_info = place(cree<Panel>(nullptr, "Panel_info"), 10, 48, 272, 40);
    Panel_info->fond = rgb(255, 255, 225);
    Label45 = place(cree<Label>(Panel_info, "Label45", plateforme), 6, 3, 260, 34);
    Label45->autosize = false;
    Label45->centre = true;
    Label45->caption = "Choisissez le phénotype de ces individus en cliquant dessus";
    speed_fleche =
        place(cree<BoutonGlyphe>(nullptr, "speed_fleche", Genre::bouton_plat), 291, 92, 28, 28);
    speed_fleche->glyphe = Glyphe::fleche_haut;

    Choix_carac = place(cree<Groupe>(nullptr, "Choix_carac"), 0, 120, 220, 200);
    Choix_carac->visible = false;
    Lab_pres = place(cree<Label>(Choix_carac, "Lab_pres", plateforme), 30, 18, 0, 0);
    Lab_pres->police = {12, true};
    Lab_pres->set_caption("Génétique Humaine");
    auto bouton = [this](Controle* parent, const char* nom, const char* texte, int l, int t,
                         int w) {
        BoutonGlyphe& b = cree<BoutonGlyphe>(parent, nom);
        b.caption = texte;
        return place(b, l, t, w, 25);
    };
    BitBtn4 = bouton(Choix_carac, "BitBtn4", "Mono-hybridisme", 30, 50, 160);
    BitBtn5 = bouton(Choix_carac, "BitBtn5", "Di-hybridisme", 30, 85, 160);
    BitBtn10 = bouton(Choix_carac, "BitBtn10", "Ouvrir fichier", 30, 120, 160);
    BitBtn10->glyphe = Glyphe::ouvrir;
    BitBtn11 = bouton(Choix_carac, "BitBtn11", "Quitter", 30, 155, 160);
    BitBtn11->glyphe = Glyphe::quitter;

    group_choix = place(cree<Groupe>(nullptr, "group_choix"), 0, 110, 370, 120);
    group_choix->caption = "Choix des gènes";
    group_choix->visible = false;
    Group_prem = place(cree<RadioGroupe>(group_choix, "Group_prem"), 8, 20, 175, 60);
    Group_prem->caption = "Premier gène";
    Group_sec = place(cree<RadioGroupe>(group_choix, "Group_sec"), 188, 20, 175, 60);
    Group_sec->caption = "Deuxième gène";
    BitBtn1 = bouton(group_choix, "BitBtn1", "OK", 8, 85, 75);
    BitBtn1->glyphe = Glyphe::ok;
    BitBtn2 = bouton(group_choix, "BitBtn2", "Annuler", 88, 85, 75);
    BitBtn2->glyphe = Glyphe::annuler;
    banque_genes = place(cree<Memo>(nullptr, "banque_genes"), 0, 0, 100, 50);
    banque_genes->visible = false;
    banque_genes->lignes = banque_integree();

    choix_alleles = place(cree<Groupe>(nullptr, "choix_alleles"), 0, 0, 330, 150);
    choix_alleles->caption = "Choix des phénotypes";
    choix_alleles->tag = 3;
    choix_alleles->visible = false;
    choix_alleles->curseur = Curseur::deplacement;
    prem_allele = place(cree<RadioGroupe>(choix_alleles, "prem_allele"), 8, 18, 150, 40);
    prem_allele->caption = "Premier phénotype";
    prem_allele->tag = 1;
    sec_allele = place(cree<RadioGroupe>(choix_alleles, "sec_allele"), 166, 18, 150, 40);
    sec_allele->caption = "Deuxième phénotype";
    group_nb_desc = place(cree<Groupe>(choix_alleles, "group_nb_desc"), 8, 63, 150, 48);
    group_nb_desc->caption = "Nb descendants";
    group_nb_desc->tag = 4;
    choix_nb_desc = place(cree<Combo>(group_nb_desc, "choix_nb_desc"), 8, 18, 100, 22);
    choix_nb_desc->tag = 1;
    choix_nb_desc->items = {"hasard", "2", "3", "4", "5", "6"};
    choix_nb_desc->index = 0;
    all_OK = bouton(choix_alleles, "all_OK", "OK", 8, 116, 70);
    all_OK->glyphe = Glyphe::ok;
    all_annul = bouton(choix_alleles, "all_annul", "Annuler", 81, 116, 77);
    all_annul->glyphe = Glyphe::annuler;
    all_annul->tag = 1;
    btn_go = bouton(nullptr, "btn_go", "btn_go", 0, 0, 60);
    btn_go->visible = false;
    BitBtn3 = bouton(nullptr, "BitBtn3", "btn_go2", 0, 0, 60);
    BitBtn3->visible = false;

    cree_panneaux();
    cree_panneau_couleurs();
    cree_panneau_genotypes();

    GroupBox1 = place(cree<Groupe>(nullptr, "GroupBox1"), 452, 40, 236, 262);
    GroupBox1->caption = "Historique";
    GroupBox1->tag = 1;
    GroupBox1->visible = false;
    evenements = place(cree<Liste>(GroupBox1, "evenements"), 8, 18, 220, 204);
    evenements->police = {9, true};
    BitBtn12 = bouton(GroupBox1, "BitBtn12", "lancer", 8, 228, 80);
    BitBtn12->tag = 3;
    ret_arr = bouton(GroupBox1, "ret_arr", "<---", 94, 228, 80);
    ferme_ev = bouton(GroupBox1, "ferme_ev", "X", 180, 228, 48);

    hauteur_carac = &cree<Label>(nullptr, "hauteur_carac", plateforme);
    hauteur_carac->set_caption("Hg");
    hauteur_carac->visible = false;
    Label41 = &cree<Label>(nullptr, "Label41", plateforme);
    Label41->visible = false;
    Label42 = &cree<Label>(nullptr, "Label42", plateforme);
    Label42->set_caption("Hg");
    Label42->visible = false;
    Label44 = &cree<Label>(nullptr, "Label44", plateforme);
    Label44->tag = 44;
    Label44->set_caption("Voulez-vous perdre les données à l'écran pour de nouveaux caractères?");
    Label44->visible = false;

    Timer_debut = &cree<Minuterie>(nullptr, "Timer_debut");
    Timer_debut->intervalle = 10;
    Timer_debut->enabled = false;
    Timer_disparait_image = &cree<Minuterie>(nullptr, "Timer_disparait_image");
    Timer_disparait_image->intervalle = 50;
    Timer_disparait_image->enabled = false;
    Timer_anim_fleche = &cree<Minuterie>(nullptr, "Timer_anim_fleche");
    Timer_anim_fleche->intervalle = 20;
    Timer_anim_fleche->enabled = true;
}

void TForm1::cree_pedigree() {
    for (int u = 0; u <= max_unions; ++u) {
        const std::string n = std::to_string(u);
        tab_couple[u] = place(cree<Panel>(nullptr, "couple" + n), 0, 0, 50, 5);
        tab_couple[u]->fond = rgb(0, 128, 0);
        tab_union[u] = place(cree<Panel>(nullptr, "union_enfant" + n), 0, 0, 100, 5);
        tab_union[u]->fond = rgb(128, 128, 0);
        tab_union[u]->curseur = Curseur::eo;
        tab_vertic[u] = place(cree<Panel>(nullptr, "vertic" + n), 0, 0, 5, 50);
        tab_vertic[u]->fond = rgb(0, 0, 128);
        if (u > 0) tab_vertic[u]->curseur = Curseur::ns;
    }
    for (int k = 1; k <= max_individus + 1; ++k) {
        tab_trait[k] = place(cree<Panel>(nullptr, "Panel" + std::to_string(k)), 0, 0, 5, 20);
        tab_trait[k]->visible = false;
    }
    for (int k = 1; k <= max_individus + 1; ++k) {
        tab_shape[k] = place(cree<Forme>(nullptr, "Shape" + std::to_string(k)), 0, 0, 35, 35);
        tab_shape[k]->visible = k <= 2;
    }
    tab_shape[2]->contour = Contour::cercle;
    tab_shape[41]->visible = false;
    for (int k = 1; k <= max_individus + 1; ++k) {
        const std::string nom = k <= max_individus ? "Label" + std::to_string(k) : "Label43";
        tab_label[k] = &cree<Label>(nullptr, nom, plateforme);
        tab_label[k]->police = {8, true};
        tab_label[k]->transparent = false;
        tab_label[k]->visible = false;
    }
}

void TForm1::cree_panneaux() {
    GroupBox4 = place(cree<Groupe>(nullptr, "GroupBox4"), 10, 300, 147, 250);
    GroupBox4->caption = "Réponses  ";
    GroupBox4->visible = false;
    GroupBox4->curseur = Curseur::deplacement;
    for (int g = 1; g <= 2; ++g) {
        Groupe& boite = cree<Groupe>(GroupBox4, g == 1 ? "prem_gene_interro" : "sec_gene_interro");
        place(boite, g == 1 ? 6 : 149, 16, 136, 224);
        boite.curseur = Curseur::deplacement;
        (g == 1 ? prem_gene_interro : sec_gene_interro) = &boite;
        for (int i = 1; i <= max_relations; ++i) {
            const int num = (g - 1) * 10 + i;
            case_relation[g][i] = place(cree<CaseACocher>(&boite, "Check" + std::to_string(num)), 6,
                                        16 + (i - 1) * 18, 90, 17);
            const std::string nom_cor = "cor" + std::to_string(g) + std::to_string(i);
            label_correction[g][i] = &cree<Label>(&boite, nom_cor, plateforme);
            label_correction[g][i]->left = 100;
            label_correction[g][i]->top = 18 + (i - 1) * 18;
        }
    }
    sec_gene_interro->visible = false;
    BitBtn6 = &cree<BoutonGlyphe>(GroupBox4, "BitBtn6");
    place(*BitBtn6, 6, 244, 64, 25)->caption = "OK";
    BitBtn6->glyphe = Glyphe::ok;
    BitBtn7 = &cree<BoutonGlyphe>(GroupBox4, "BitBtn7");
    place(*BitBtn7, 74, 244, 68, 25)->caption = "Annuler";
    BitBtn7->glyphe = Glyphe::annuler;
    GroupBox4->height = 275;
}

void TForm1::cree_panneau_couleurs() {
    GroupBox5 = place(cree<Groupe>(nullptr, "GroupBox5"), 10, 40, 150, 200);
    GroupBox5->caption = "Choix des couleurs";
    GroupBox5->tag = 5;
    GroupBox5->visible = false;
    GroupBox5->curseur = Curseur::deplacement;
    for (int i = 1; i <= max_legende; ++i) {
        const bool carre = i % 2 == 1;
        figure_legende[i] = place(cree<Forme>(GroupBox5, "ess_fig" + std::to_string(i)), 12,
                                  20 + (i - 1) * 32, 26, carre ? 26 : 29);
        figure_legende[i]->contour = carre ? Contour::carre : Contour::cercle;
        figure_legende[i]->remplissage = rgb(0, 255, 255);
        nom_legende[i] = &cree<Label>(GroupBox5, "np" + std::to_string(i), plateforme);
        nom_legende[i]->left = 48;
        nom_legende[i]->top = 26 + (i - 1) * 32;
    }
    btn_ok_couleurs = &cree<BoutonGlyphe>(GroupBox5, "btn_ok_couleurs");
    place(*btn_ok_couleurs, 8, 100, 64, 25)->caption = "OK";
    btn_ok_couleurs->glyphe = Glyphe::ok;
    btn_annul_couleurs = &cree<BoutonGlyphe>(GroupBox5, "btn_annul_couleurs");
    place(*btn_annul_couleurs, 76, 100, 66, 25)->caption = "Fermer";
    btn_annul_couleurs->tag = 2;
    btn_annul_couleurs->glyphe = Glyphe::fermer;
}

void TForm1::cree_panneau_genotypes() {
    Group_choix_geno = place(cree<Groupe>(nullptr, "Group_choix_geno"), 0, 0, 284, 200);
    Group_choix_geno->caption = "Choix des génotypes";
    Group_choix_geno->visible = false;
    Group_choix_geno->curseur = Curseur::deplacement;
    for (int g = 1; g <= 2; ++g) {
        Groupe& boite = cree<Groupe>(Group_choix_geno, g == 1 ? "GroupBox2" : "GroupBox3");
        place(boite, g == 1 ? 8 : 120, 18, 105, 60);
        boite.caption = g == 1 ? "premier gène" : "deuxième gène";
        boite.visible = false;
        boite.curseur = Curseur::deplacement;
        (g == 1 ? GroupBox2 : GroupBox3) = &boite;
        const char* prefixe = g == 1 ? "pg" : "sg";
        for (int i = 1; i <= max_genotypes_gene; ++i)
            case_genotype[g][i] = place(cree<CaseACocher>(&boite, prefixe + std::to_string(i)), 6,
                                        16 + (i - 1) * 18, 90, 17);
    }
    choix_gen1 = place(cree<RadioGroupe>(Group_choix_geno, "choix_gen1"), 8, 18, 105, 40);
    choix_gen2 = place(cree<RadioGroupe>(Group_choix_geno, "choix_gen2"), 120, 18, 105, 40);
    radio_genotype = {nullptr, choix_gen1, choix_gen2};
    choix_sexe = place(cree<RadioGroupe>(Group_choix_geno, "choix_sexe"), 166, 80, 110, 58);
    choix_sexe->caption = "Choix sexe";
    choix_sexe->items = {"masculin", "féminin"};
    BitBtn8 = &cree<BoutonGlyphe>(Group_choix_geno, "BitBtn8");
    place(*BitBtn8, 8, 80, 70, 25)->caption = "Ok";
    BitBtn8->glyphe = Glyphe::ok;
    BitBtn9 = &cree<BoutonGlyphe>(Group_choix_geno, "BitBtn9");
    place(*BitBtn9, 82, 80, 77, 25)->caption = "Annuler";
    BitBtn9->glyphe = Glyphe::annuler;
    gr_nb_desc2 = place(cree<Groupe>(Group_choix_geno, "gr_nb_desc2"), 8, 110, 150, 48);
    gr_nb_desc2->caption = "Nb descendants";
    choix_nb_desc2 = place(cree<Combo>(gr_nb_desc2, "choix_nb_desc2"), 8, 18, 100, 22);
    choix_nb_desc2->items = {"hasard", "2", "3", "4", "5", "6"};
    choix_nb_desc2->index = 0;
}

} // namespace orvan
