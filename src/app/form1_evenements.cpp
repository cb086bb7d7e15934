// Wires the controls of the main window to its handlers.
#include "app/form1.h"

namespace orvan {

void TForm1::relie_evenements() {
    const auto relie = [this](Controle* c, void (TForm1::*h)()) {
        c->on_click = [this, h] { (this->*h)(); };
    };
    relie(Ouvrir1, &TForm1::Ouvrir1Click);
    relie(sauver1, &TForm1::sauver1Click);
    relie(Quitter1, &TForm1::Quitter1Click);
    relie(Fichier1, &TForm1::Fichier1Click);
    relie(Caractre1, &TForm1::Caractre1Click);
    relie(Autrefamille1, &TForm1::Autrefamille1Click);
    relie(choix_coul, &TForm1::choix_coulClick);
    relie(Evnements1, &TForm1::Evnements1Click);
    relie(Aide1, &TForm1::Aide1Click);
    relie(Sansinfognotype1, &TForm1::Sansinfognotype1Click);
    relie(Avecinfognotype1, &TForm1::Avecinfognotype1Click);
    relie(BitBtn4, &TForm1::Monohybridisme1Click);
    relie(BitBtn5, &TForm1::Dihybridisme1Click);
    relie(BitBtn10, &TForm1::Ouvrir1Click);
    relie(BitBtn11, &TForm1::Quitter1Click);
    relie(Group_prem, &TForm1::Group_premClick);
    relie(Group_sec, &TForm1::Group_secClick);
    relie(BitBtn1, &TForm1::BitBtn1Click);
    relie(BitBtn2, &TForm1::BitBtn2Click);
    relie(prem_allele, &TForm1::prem_alleleClick);
    relie(sec_allele, &TForm1::sec_alleleClick);
    relie(all_OK, &TForm1::all_OKClick);
    all_annul->on_click = [this] { all_annulClick(true); };
    relie(btn_go, &TForm1::btn_goClick);
    relie(BitBtn3, &TForm1::BitBtn3Click);
    relie(BitBtn7, &TForm1::BitBtn7Click);
    relie(BitBtn9, &TForm1::BitBtn7Click);
    btn_ok_couleurs->on_click = [this] { btn_ok_couleursClick(true); };
    relie(btn_annul_couleurs, &TForm1::btn_annul_couleursClick);
    relie(BitBtn12, &TForm1::BitBtn12Click);
    relie(ret_arr, &TForm1::ret_arrClick);
    relie(ferme_ev, &TForm1::ferme_evClick);
    choix_nb_desc->on_change = [this] { choix_nb_descChange(); };
    Timer_debut->on_timer = [this] { Timer_debutTimer(); };
    Timer_anim_fleche->on_timer = [this] { Timer_anim_flecheTimer(); };
    Timer_disparait_image->on_timer = [this] { Timer_disparait_imageTimer(); };
    on_key_down = [this](int touche) { FormKeyDown(touche); };

    for (int k = 1; k <= max_individus; ++k) {
        tab_shape[k]->on_mouse_down = [this, k](Bouton b, int, int) { ShapeMouseDown(k, b); };
        tab_label[k]->on_mouse_down = [this, k](Bouton b, int, int) { LabelMouseDown(k, b); };
    }
    for (int i = 1; i <= max_legende; ++i)
        figure_legende[i]->on_mouse_down = [this, i](Bouton b, int, int) { modif_couleur(b, i); };
}

} // namespace orvan
