// The seeds of a batch of new families. The generator is linear: families made from
// neighbouring seeds draw measurably alike, so each family's seed is the batch's clock seed and
// its rank stirred by a mixing function. The mix is a bijection of 32-bit values, so two ranks
// never share a seed.
#pragma once

#include <cstdint>

namespace orvan {

std::uint32_t graine_de_la_serie(std::uint32_t depart, std::uint32_t rang);

} // namespace orvan
