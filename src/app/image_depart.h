// The start picture, the instruction under it and the arrow that points at the founders; all
// of them go once the pupil has clicked a founder.
#pragma once

namespace orvan {

class FenetrePrincipale;
struct BoutonGlyphe;
struct Image;
struct Label;
struct Minuterie;
struct Panel;

class ImageDepart {
  public:
    explicit ImageDepart(FenetrePrincipale& fenetre) : f(fenetre) {}
    void cree_images();
    // The legend's carrier goes with a gene on X: only there is a woman "conductrice".
    void suit_les_genes(bool lie_a_x);
    void cree_consigne();
    void cree_minuteries();

    // The first click on a founder starts the removal.
    void lance_disparition();
    void anime_fleche();
    void fait_disparaitre();

    Image* image; // Image1
    Image* fond_impression;
    Panel* panneau_consigne;
    Label* consigne;
    BoutonGlyphe* fleche;
    Minuterie* minuterie_disparition;
    Minuterie* minuterie_fleche;

  private:
    FenetrePrincipale& f;
    int nb_disparitions = 0;
    int pas_fleche = 3;
    int rebonds_fleche = 0;
};

} // namespace orvan
