// The controls of the windows, held as plain data. The front end mirrors each one with a real
// widget; the core reads and writes only these.
#pragma once

#include "ground/couleurs.h"
#include "ground/mesure_texte.h"
#include "ground/textes.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orvan {

enum class Genre {
    forme,
    label,
    panel,
    groupe,
    radio,
    case_a_cocher,
    combo,
    liste,
    memo,
    bouton,
    bouton_plat,
    menu,
    minuterie,
    image,
    saisie,
    biseau
};

enum class Bouton { gauche, droit, milieu };

enum class Curseur { normal, ns, eo, deplacement };

struct Controle {
    Controle(std::string n, Genre g) : nom(std::move(n)), genre(g) {}
    virtual ~Controle() = default;
    Controle(const Controle&) = delete;
    Controle& operator=(const Controle&) = delete;

    std::string nom;
    Genre genre;
    int tag = 0;
    Controle* parent = nullptr; // nullptr: the window itself
    bool visible = true;
    bool enabled = true;
    int left = 0, top = 0, width = 0, height = 0;
    std::string caption;
    std::string hint;
    bool show_hint = true;
    // Shows the hint of that control instead of its own: a label, its symbol's.
    const Controle* bulle_de = nullptr;
    Police police;
    Curseur curseur = Curseur::normal;
    // Both forms of the caption and of the items (a list's, a radio group's, a picture's) when
    // the program gave them (ui/textes_controles.h): a change of language writes them again.
    // Empty for the family's own texts and for those of the language file.
    std::optional<Texte> texte;
    std::vector<Texte> textes_items;
    std::optional<Texte> texte_bulle;

    // Mouse in the control's own coordinates; the control pressed keeps the mouse until release.
    std::function<void(Bouton, int, int)> on_mouse_down;
    std::function<void(int, int)> on_mouse_move;
    std::function<void(Bouton, int, int)> on_mouse_up;
    std::function<void()> on_click;

    int bottom() const { return top + height; }
    int right() const { return left + width; }
    // Visible on screen: itself and every box it stands in.
    bool affiche() const;
    // The user's press on a button or menu entry: runs the click handler when enabled.
    void clic() const;
};

enum class Contour { carre, cercle };

struct Forme : Controle {
    explicit Forme(std::string n) : Controle(std::move(n), Genre::forme) {}
    Contour contour = Contour::carre;
    Couleur remplissage = rgb(255, 255, 255);
    // Drawn with a thick outline: the individual a question is about.
    bool mis_en_evidence = false;
};

// A label sizes itself to its caption (when autosize is on).
struct Label : Controle {
    Label(std::string n, const MesureTexte& m) : Controle(std::move(n), Genre::label), mesure(&m) {}
    void set_caption(std::string texte);
    void remesure();
    bool autosize = true;
    bool transparent = true;
    Couleur fond = rgb(255, 255, 255);
    Couleur couleur_texte = rgb(0, 0, 0);
    bool centre = false;
    // The symbol that the label sits on: a text wider than it is drawn on lines broken after
    // its commas, centred on the symbol, so that it never runs into a neighbour's.
    const Controle* reste_dans = nullptr;

  private:
    const MesureTexte* mesure;
};

struct Panel : Controle {
    explicit Panel(std::string n) : Controle(std::move(n), Genre::panel) {}
    Couleur fond = rgb(0, 0, 0);
};

struct Groupe : Controle {
    explicit Groupe(std::string n) : Controle(std::move(n), Genre::groupe) {}
    std::optional<Couleur> fond; // none: the window's colour
};

struct RadioGroupe : Controle {
    explicit RadioGroupe(std::string n) : Controle(std::move(n), Genre::radio) {}
    std::vector<std::string> items;
    int index = -1;
    // What a click on item i does: clamps i to -1..count-1; nothing when already selected;
    // the click handler runs when the new index is 0 or more.
    void selectionne(int i);
    void vide(); // removes the items and the selection; runs nothing
    const std::string& texte_choisi() const;
    // Items shown greyed, that the user cannot choose: item i when inactifs[i] is set.
    std::vector<bool> inactifs;
    bool item_actif(int i) const;
    // Items not shown, that keep their place: item i when caches[i] is set.
    std::vector<bool> caches;
    bool item_montre(int i) const;
    int nb_montres() const;
    // What the user reads for item i, when it reads otherwise than the item itself (the item
    // stays what the handlers and the log know).
    std::vector<std::string> textes_lus;
    const std::string& texte_lu(int i) const;
};

struct CaseACocher : Controle {
    explicit CaseACocher(std::string n) : Controle(std::move(n), Genre::case_a_cocher) {}
    bool checked = false;
    // The click handler runs only when the tick changes.
    void coche(bool valeur);
};

struct Combo : Controle {
    explicit Combo(std::string n) : Controle(std::move(n), Genre::combo) {}
    std::vector<std::string> items;
    int index = -1;
    std::function<void()> on_change; // the user's choice only: setting index from code runs nothing
    void choix_utilisateur(int i);
};

struct Liste : Controle {
    explicit Liste(std::string n) : Controle(std::move(n), Genre::liste) {}
    std::vector<std::string> lignes;
    int hauteur_ligne = 16;
    Couleur couleur_texte = rgb(0, 0, 255);
};

struct Memo : Controle {
    explicit Memo(std::string n) : Controle(std::move(n), Genre::memo) {}
    std::vector<std::string> lignes;
};

enum class Glyphe { aucun, ok, annuler, fermer, fleche_haut, ouvrir, quitter };

struct BoutonGlyphe : Controle {
    BoutonGlyphe(std::string n, Genre g = Genre::bouton) : Controle(std::move(n), g) {}
    Glyphe glyphe = Glyphe::aucun;
};

struct Menu : Controle {
    explicit Menu(std::string n) : Controle(std::move(n), Genre::menu) {}
    bool checked = false;
    bool separateur = false;
    int raccourci = 0;     // key code with 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt; 0 for none
    int raccourci_bis = 0; // a second key for the same entry
};

struct Minuterie : Controle {
    explicit Minuterie(std::string n) : Controle(std::move(n), Genre::minuterie) {}
    int intervalle = 1000;
    std::function<void()> on_timer;
    void tic() const {
        if (enabled && on_timer) on_timer();
    }
};

enum class Dessin { aucun, depart, fond_impression };

struct Image : Controle {
    explicit Image(std::string n) : Controle(std::move(n), Genre::image) {}
    Dessin dessin = Dessin::aucun;
    // The words that the drawing writes, in the order the drawing asks for them.
    std::vector<std::string> textes;
};

struct Saisie : Controle {
    explicit Saisie(std::string n) : Controle(std::move(n), Genre::saisie) {}
};

struct Biseau : Controle {
    explicit Biseau(std::string n) : Controle(std::move(n), Genre::biseau) {}
};

} // namespace orvan
