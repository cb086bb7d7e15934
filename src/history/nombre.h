#pragma once

#include <cstdint>
#include <string_view>

namespace orvan {

// A number field of an event line: leading blanks, an optional sign, then digits. When
// something follows the digits, the digits alone count, without the sign. An empty field is 0.
std::int64_t lit_nombre(std::string_view champ);

} // namespace orvan
