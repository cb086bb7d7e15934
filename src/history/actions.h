// The log cut into the user's actions, for undo and redo: a panel from its opening to its OK or
// cancel is one action, so is a run of shifts of the sibship lines; any other line is one.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace orvan {

// Where the last action of the log begins; `premiere` is the first line that an action may
// hold (the gene set-up before it is no action). lignes.size() when there is none.
std::size_t debut_derniere_action(const std::vector<std::string>& lignes, std::size_t premiere);

} // namespace orvan
