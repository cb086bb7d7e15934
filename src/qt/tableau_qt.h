// A table of texts in a dialog of its own: headers in the first row and column, a close button.
#pragma once

#include <string>
#include <vector>

class QWidget;

namespace orvan {

void montre_tableau_qt(QWidget* parent, const std::string& titre,
                       const std::vector<std::vector<std::string>>& cases);

} // namespace orvan
