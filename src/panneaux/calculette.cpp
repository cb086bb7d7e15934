#include "panneaux/calculette.h"

#include "ground/messages.h"
#include "regles/calcul.h"
#include "ui/textes_controles.h"

#include <optional>

namespace orvan {

namespace {

// The keypad, rows from the top.
struct ToucheDuPave {
    const char* nom;
    char caractere;
};
constexpr ToucheDuPave pave[4][4] = {
    {{"b7", '7'}, {"b8", '8'}, {"b9", '9'}, {"b_div", ':'}},
    {{"b4", '4'}, {"b5", '5'}, {"b6", '6'}, {"b_mul", 'x'}},
    {{"b1", '1'}, {"b2", '2'}, {"b3", '3'}, {"b_moins", '-'}},
    {{"b0", '0'}, {"b_point", '.'}, {"b_egal", '='}, {"b_plus", '+'}},
};

constexpr int marge = 8, largeur_touche = 34, hauteur_touche = 25, ecart = 4;
constexpr int largeur_utile = 4 * largeur_touche + 3 * ecart;
constexpr int haut_du_pave = 72;

bool se_tape(char c) {
    return c == '.' || (c >= '0' && c <= '9');
}

const Texte& message(Ecueil e) {
    return e == Ecueil::division_par_zero ? msg::division_par_zero : msg::resultat_trop_grand;
}

} // namespace

Calculette::Calculette(Fiche& f, Plateforme& p) : fenetre(f), plateforme(p) {}

BoutonGlyphe* Calculette::touche(const std::string& nom, const std::string& texte, int l, int t,
                                 int w) {
    BoutonGlyphe& b = fenetre.cree<BoutonGlyphe>(boite, nom);
    b.caption = texte;
    b.left = l;
    b.top = t;
    b.width = w;
    b.height = hauteur_touche;
    return &b;
}

void Calculette::cree_controles() {
    boite = &fenetre.cree<Groupe>(nullptr, "calculette");
    ecrit(*boite, msg::calculette, Langue::francais);
    boite->fond = rgb(255, 255, 0);
    boite->left = 524;
    boite->top = 306;
    boite->width = largeur_utile + 2 * marge;
    boite->height = haut_du_pave + 4 * (hauteur_touche + ecart) + marge - ecart;
    boite->visible = false;

    fermer = touche("ferm_calc", "x", boite->width - 20, 1, 16);
    fermer->height = 16;
    fermer->on_click = [this] { cache(); };

    affichage = &fenetre.cree<Label>(boite, "affich", plateforme);
    affichage->autosize = false;
    affichage->transparent = false;
    affichage->fond = rgb(128, 128, 128);
    affichage->couleur_texte = rgb(255, 255, 255);
    affichage->police = {10, true};
    affichage->left = marge;
    affichage->top = 20;
    affichage->width = largeur_utile;
    affichage->height = 22;

    effacer = touche("b_eff", "", marge, 46, largeur_utile);
    ecrit(*effacer, msg::effacer, Langue::francais);
    effacer->on_click = [this] { efface(); };
    cree_pave();
}

BoutonGlyphe* Calculette::touche_du_pave(const std::string& nom, char c, int ligne, int colonne) {
    const int l = marge + colonne * (largeur_touche + ecart);
    const int t = haut_du_pave + ligne * (hauteur_touche + ecart);
    BoutonGlyphe* b = touche(nom, std::string(1, c), l, t, largeur_touche);
    if (se_tape(c))
        b->on_click = [this, c] { tape(c); };
    else
        b->on_click = [this, c] { operateur(c); };
    return b;
}

void Calculette::cree_pave() {
    for (int ligne = 0; ligne < 4; ++ligne)
        for (int colonne = 0; colonne < 4; ++colonne) {
            const ToucheDuPave& p = pave[ligne][colonne];
            BoutonGlyphe* b = touche_du_pave(p.nom, p.caractere, ligne, colonne);
            switch (p.caractere) {
            case '.':
                point = b;
                break;
            case ':':
                division = b;
                ecrit(*b, msg::touche_division, Langue::francais);
                break;
            case 'x':
                multiplication = b;
                break;
            case '-':
                soustraction = b;
                break;
            case '+':
                addition = b;
                break;
            case '=':
                egal = b;
                break;
            default:
                chiffres[p.caractere - '0'] = b;
            }
        }
}

void Calculette::tape(char c) {
    std::string texte = nouvel_affichage ? std::string() : affichage->caption;
    nouvel_affichage = false;
    affichage->set_caption(texte + c);
}

void Calculette::efface() {
    affichage->set_caption("");
    premier_nombre = 0;
    second_nombre = 0;
    operation_en_attente = 0;
    touche_operation = 0;
}

void Calculette::operateur(char o) {
    const bool nombre_tape = !nouvel_affichage;
    nouvel_affichage = true;
    const std::optional<double> v = lit_affichage(affichage->caption);
    // What the display cannot give leaves the operands and the waiting operation as they were.
    if (!v) return;
    if (premier_nombre == 0) {
        premier_nombre = *v;
        operation_en_attente = o;
    } else if (!nombre_tape) {
        // Two operator keys in a row: the second one replaces the first, the display still
        // shows the first operand and is not taken a second time.
        change_operation(o);
    } else {
        calcule_en_attente(*v, o);
    }
}

void Calculette::calcule_en_attente(double v, char o) {
    second_nombre = v;
    affichage->set_caption("");
    touche_operation = o;
    const Resultat r = calcule(operation_en_attente, premier_nombre, second_nombre);
    if (r.ecueil != Ecueil::aucun) {
        plateforme.erreur(message(r.ecueil));
        return;
    }
    affichage->set_caption(formate_resultat(r.valeur));
    operation_en_attente = touche_operation;
    premier_nombre = r.valeur;
    if (o == '=') termine_chaine();
}

void Calculette::change_operation(char o) {
    operation_en_attente = o;
    if (o == '=') termine_chaine();
}

// The result stays on the display; the next operator key takes it as the first operand.
void Calculette::termine_chaine() {
    premier_nombre = 0;
    second_nombre = 0;
    nouvel_affichage = true;
}

void Calculette::montre() {
    boite->visible = true;
}

void Calculette::cache() {
    boite->visible = false;
}

} // namespace orvan
