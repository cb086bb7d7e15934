// The core's entry points for the page and for node. The page runs the program itself: it starts
// a session, sends each of the user's actions and draws the state that comes back. For node and
// the tests, the caller writes a family's file into the module's file system; the core replays it
// as the desktop's "--dump" does and gives its JSON, or writes its log back as "Enregistrer" does.
#include "app/fenetre_principale.h"
#include "app/vidage.h"
#include "historique/historique.h"
#include "web/session_web.h"

#include <emscripten/emscripten.h>
#include <sys/stat.h>

#include <memory>
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

std::unique_ptr<SessionWeb> session;

// The state after the session has taken the action given as JSON ("" for none).
const char* etat_apres(const char* action) {
    try {
        if (action && *action) session->traite(json::parse(action));
        reponse = session->etat().dump();
    } catch (const std::exception& e) {
        erreurs = e.what();
        reponse.clear();
    }
    return reponse.c_str();
}

} // namespace

extern "C" {

// Starts the program in the page: arguments as on the command line, as a JSON array ("2" for
// English, "--enseignant"), and the size of the page's window; gives the state to draw.
EMSCRIPTEN_KEEPALIVE const char* orvan_demarre(const char* arguments, int largeur, int hauteur) {
    session.reset();
    session = std::make_unique<SessionWeb>(json::parse(arguments).get<std::vector<std::string>>(),
                                           Taille{largeur, hauteur});
    return etat_apres(nullptr);
}

// One action of the user (web/session_web.h), and the state that follows it.
EMSCRIPTEN_KEEPALIVE const char* orvan_action(const char* action) {
    return session ? etat_apres(action) : "";
}

// The family on the page as `orvan --dump` writes a replayed one.
EMSCRIPTEN_KEEPALIVE const char* orvan_famille() {
    reponse = session ? etat_json(session->f) : std::string();
    return reponse.c_str();
}

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
