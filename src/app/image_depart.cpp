#include "app/image_depart.h"
#include "ground/messages.h"
#include "ui/textes_controles.h"

#include "app/fenetre_principale.h"
#include "ui/geometrie.h"

namespace orvan {

void ImageDepart::cree_images() {
    image = &place(f.cree<Image>(nullptr, "Image1"), 126, 120, 446, 410);
    image->dessin = Dessin::depart;
    suit_les_genes(true);
    fond_impression = &place(f.cree<Image>(nullptr, "Image2"), 0, 0, 698, 559);
    fond_impression->visible = false;
    fond_impression->dessin = Dessin::fond_impression;
}

void ImageDepart::suit_les_genes(bool lie_a_x) {
    ecrit_items(*image,
                {msg::genetique_humaine, msg::heredite_generations, msg::homme, msg::femme,
                 msg::atteint, lie_a_x ? msg::conductrice : Texte::tel_quel("")},
                f.textes.langue());
}

void ImageDepart::cree_consigne() {
    panneau_consigne = &place(f.cree<Panel>(nullptr, "Panel_info"), 10, 48, 272, 40);
    panneau_consigne->fond = rgb(255, 255, 225);
    consigne = &place(f.cree<Label>(panneau_consigne, "Label45", f.plateforme), 6, 3, 260, 34);
    consigne->autosize = false;
    consigne->centre = true;
    ecrit(*consigne, msg::consigne, f.textes.langue());
    fleche =
        &place(f.cree<BoutonGlyphe>(nullptr, "speed_fleche", Genre::bouton_plat), 291, 92, 28, 28);
    fleche->glyphe = Glyphe::fleche_haut;
}

void ImageDepart::cree_minuteries() {
    minuterie_disparition = &f.cree<Minuterie>(nullptr, "Timer_disparait_image");
    minuterie_disparition->intervalle = 50;
    minuterie_disparition->enabled = false;
    minuterie_disparition->on_timer = [this] { fait_disparaitre(); };
    minuterie_fleche = &f.cree<Minuterie>(nullptr, "Timer_anim_fleche");
    minuterie_fleche->intervalle = 20;
    minuterie_fleche->enabled = true;
    minuterie_fleche->on_timer = [this] { anime_fleche(); };
}

void ImageDepart::lance_disparition() {
    minuterie_disparition->enabled = true;
}

void ImageDepart::anime_fleche() {
    fleche->left += pas_fleche;
    if (fleche->left > 380 || fleche->left < 290) {
        pas_fleche = -pas_fleche;
        ++rebonds_fleche;
        if (rebonds_fleche > 3 && fleche->left > 200) minuterie_fleche->enabled = false;
    }
}

void ImageDepart::fait_disparaitre() {
    minuterie_disparition->enabled = false;
    minuterie_disparition->intervalle = 200;
    ++nb_disparitions;
    if (nb_disparitions < 2) image->visible = false;
    fleche->visible = false;
    panneau_consigne->visible = false;
    minuterie_fleche->enabled = false;
}

} // namespace orvan
