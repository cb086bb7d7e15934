// `orvan --export FAMILLE.gen IMAGE.png|svg|pdf`: the family replayed without any window, as
// `--dump` replays it, and its picture written. This header stays free of Qt so that main.cpp
// needs none.
#pragma once

#include "ground/textes.h"
#include "probabilites/a_priori.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace orvan {

struct DemandeExport {
    std::string famille;
    std::string image;
    bool motifs = false;
    bool numerotation = false;
    int echelle_png = 2;                // "--echelle N": pixels of the PNG per screen pixel, 1..8
    Langue messages = Langue::francais; // the language of the error messages
    std::optional<APriori> probabilites = std::nullopt; // "--probabilites [--population]"
};

// arguments: what follows "--export". Returns the process exit code: 0; 1 when the family
// cannot be read or the picture cannot be written; 2 when the command line is incomplete.
int exporte_sans_affichage(int argc, char** argv, const std::vector<std::string>& arguments,
                           std::ostream& erreurs, Langue messages = Langue::francais);

// The same once an application object exists (the tests have theirs).
int exporte(const DemandeExport& demande, std::ostream& erreurs);

} // namespace orvan
