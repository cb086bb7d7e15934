// The core's entry points for the page and for node. The caller writes a family's file into the
// module's file system; the core replays it as the desktop's "--dump" does and gives its JSON,
// or writes its log back as "Enregistrer" does, for the page to offer as a download.
#include "app/fenetre_principale.h"
#include "app/vidage.h"
#include "historique/historique.h"

#include <emscripten/emscripten.h>
#include <sys/stat.h>

#include <optional>
#include <sstream>
#include <string>

namespace {

using namespace orvan;

// Emscripten starts its process with a mask that takes every permission away: a saved family
// would be a file that nobody may read. A shell gives its programs 022.
[[maybe_unused]] const mode_t masque_du_shell = ::umask(022);

// The last answer, kept until the next call so that the caller can read it.
std::string reponse;
std::string erreurs;

// 0: none, 1: the program's prior (as --probabilites), 2: the population's (--population).
std::optional<APriori> a_priori(int probabilites) {
    if (probabilites == 1) return APriori::programme;
    if (probabilites == 2) return APriori::population;
    return std::nullopt;
}

} // namespace

extern "C" {

// The family of the file as JSON, as `orvan --dump chemin [--probabilites [--population]]`
// prints it; "" when the file cannot be opened (orvan_erreurs then tells why).
EMSCRIPTEN_KEEPALIVE const char* orvan_vidage(const char* chemin, int probabilites) {
    std::ostringstream sortie, messages;
    const int code = vidage(chemin, sortie, messages, Langue::francais, a_priori(probabilites));
    reponse = code == 0 ? sortie.str() : std::string();
    erreurs = messages.str();
    return reponse.c_str();
}

// Replays the family of chemin and saves its log into destination with the program's own
// writer; 0, or 1 when the file cannot be opened or the log cannot be written.
EMSCRIPTEN_KEEPALIVE int orvan_enregistre(const char* chemin, const char* destination) {
    std::ostringstream messages;
    const int code =
        avec_la_famille_du_fichier(chemin, messages, Langue::francais, [&](FenetrePrincipale& f) {
            f.historique.enregistre_sous(destination);
            return messages.tellp() > 0 ? 1 : 0;
        });
    erreurs = messages.str();
    return code;
}

// The messages of the last call, as the desktop prints them on its error stream.
EMSCRIPTEN_KEEPALIVE const char* orvan_erreurs() {
    return erreurs.c_str();
}
}
