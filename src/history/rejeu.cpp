// The replay of a log line: each event it holds, in the line's order, goes to the function that
// replays it.
#include "history/rejeu.h"

namespace orvan {

void rejoue_ligne(const std::string& ligne, std::vector<Evenement>& lus,
                  const std::function<void(const Evenement&)>& rejoue_evenement) {
    lit_evenements(ligne, lus);
    for (const Evenement& e : lus)
        rejoue_evenement(e);
}

} // namespace orvan
