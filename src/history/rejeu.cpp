// The replay of a log line: each event it holds, in the line's order, goes to the function that
// replays it.
#include "history/rejeu.h"

namespace orvan {

void rejoue_ligne(const std::string& ligne,
                  const std::function<void(const Evenement&)>& rejoue_evenement) {
    for (const Evenement& e : lit_evenements(ligne))
        rejoue_evenement(e);
}

} // namespace orvan
