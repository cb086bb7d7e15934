#include "history/nombre.h"

namespace orvan {

std::int64_t lit_nombre(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    bool negatif = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) negatif = s[i++] == '-';
    std::int64_t v = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
        if (v < (std::int64_t{1} << 40)) v = v * 10 + (s[i] - '0'); // far beyond any field
    if (i < s.size()) return v;
    return negatif ? -v : v;
}

} // namespace orvan
