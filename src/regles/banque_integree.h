#pragma once

#include <string>
#include <vector>

namespace orvan {

// The gene bank built into the main window, line 0 first.
const std::vector<std::string>& banque_integree();

} // namespace orvan
