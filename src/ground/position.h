// The bound on positions: no control is ever placed farther than this from the window's origin,
// whatever a file or a drag asks.
#pragma once

#include <cstdint>

namespace orvan {

constexpr int limite_position = 1'000'000;
// The position shifted, stopped at the bound when the shift would go beyond it.
int decale_borne(int position, std::int64_t decalage);

} // namespace orvan
