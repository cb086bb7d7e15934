// The pocket calculator of the main window: its yellow box, its keys and its four operations
// chained without precedence. It keeps no history and writes nothing to the event log.
#pragma once

#include "ground/plateforme.h"
#include "ui/fiche.h"

#include <array>
#include <cstdint>

namespace orvan {

class Calculette {
  public:
    Calculette(Fiche& fenetre, Plateforme& plateforme);

    // Creates the box, hidden, and its keys in the window, and wires the keys.
    void cree_controles();

    void tape(char c);      // a digit or the point
    void operateur(char o); // ":", "x", "-", "+" or "="
    void efface();          // "Effacer"; every reset of the window runs it too
    void montre();
    void cache();

    Groupe* boite = nullptr;
    Label* affichage = nullptr;
    std::array<BoutonGlyphe*, 10> chiffres{};
    BoutonGlyphe *point = nullptr, *division = nullptr, *multiplication = nullptr,
                 *soustraction = nullptr, *addition = nullptr, *egal = nullptr, *effacer = nullptr,
                 *fermer = nullptr;

  private:
    BoutonGlyphe* touche(const std::string& nom, const std::string& texte, int l, int t, int w);
    BoutonGlyphe* touche_du_pave(const std::string& nom, char c, int ligne, int colonne);
    void cree_pave();
    void calcule_en_attente(double v, char o);
    void change_operation(char o);
    void termine_chaine();

    Fiche& fenetre;
    Plateforme& plateforme;

    // The display's caption holds the number being typed. A first operand of 0 means there is
    // none yet, so a chain whose running result is 0 starts again from the next number.
    double premier_nombre = 0;
    double second_nombre = 0;
    char operation_en_attente = 0;
    char touche_operation = 0;
    // The next digit starts a new number.
    bool nouvel_affichage = false;
};

} // namespace orvan
