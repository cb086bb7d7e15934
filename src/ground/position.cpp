#include "ground/position.h"

#include <algorithm>

namespace orvan {

int decale_borne(int position, std::int64_t decalage) {
    // Twice the bound takes any position to either bound: a larger shift changes nothing more,
    // and the sum stays far from any overflow.
    const std::int64_t borne = std::int64_t{2} * limite_position;
    const std::int64_t v = position + std::clamp(decalage, -borne, borne);
    return static_cast<int>(std::clamp<std::int64_t>(v, -limite_position, limite_position));
}

} // namespace orvan
