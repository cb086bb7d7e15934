// The CSV form of the program's tables. The file is UTF-8 with a byte order mark and rows ended
// by CR LF, so that a spreadsheet opens it with its accents; a French spreadsheet reads fields
// separated by ";" and decimal commas, an English one "," and decimal points. A field that holds
// the separator, a quote or a line break is quoted.
#pragma once

#include "ground/textes.h"

#include <string>
#include <vector>

namespace orvan {

struct FormatCsv {
    char separateur = ';';
    char decimale = ',';
};

FormatCsv format_csv(Langue langue);

// The byte order mark that starts every file.
inline const std::string debut_csv = "\xEF\xBB\xBF";

// One row appended to `sortie`.
void ligne_csv(std::string& sortie, const std::vector<std::string>& champs, const FormatCsv& f);

// With the format's decimal mark; never a fraction, which a spreadsheet would take for a date.
std::string nombre_csv(double x, int decimales, const FormatCsv& f);

} // namespace orvan
