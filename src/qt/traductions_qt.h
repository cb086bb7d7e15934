// Qt's own texts (standard buttons, file dialogs) in the language of the interface, whatever
// the system's locale.
#pragma once

#include <string>

namespace orvan {

// Installs Qt's catalogue for "fr" or "en" in place of the one installed before. False when no
// catalogue of that language is found: Qt's own texts are then English.
bool installe_traductions_qt(const std::string& langue);

} // namespace orvan
