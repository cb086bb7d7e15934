// What the command line asks of the window: a language, teacher mode, a family to open.
#pragma once

#include "ground/textes.h"

#include <optional>
#include <string>
#include <vector>

namespace orvan {

struct LigneDeCommande {
    std::optional<Langue> langue; // none: the texts of the form
    bool enseignant = false;
    std::string fichier; // empty: none
};

// The first argument "1" or "2" chooses the language; "--enseignant" anywhere asks for teacher
// mode; the first other argument that looks like a path (it names a file, holds a "/" or ends
// with ".gen") is the family to open. Anything else is left alone, as before.
LigneDeCommande lit_ligne_de_commande(const std::vector<std::string>& arguments);

// The first argument of the window's command line that starts with "--" and is no option of
// the program's; empty when there is none. The toolkit's own options take one dash.
std::string option_inconnue(const std::vector<std::string>& arguments);

// The language of the command line's own messages (help, errors): that of the first argument
// "1" or "2", else the one the machine's locale asks for.
Langue langue_des_messages(const std::vector<std::string>& arguments);

} // namespace orvan
