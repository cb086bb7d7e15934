#include "statistiques/khi2.h"

#include <boost/math/distributions/chi_squared.hpp>

#include <cmath>
#include <limits>

namespace orvan {

TestKhi2 test_khi2(const std::vector<double>& observes, const std::vector<double>& attendus) {
    TestKhi2 t;
    int cases = 0;
    for (std::size_t i = 0; i < observes.size() && i < attendus.size(); ++i) {
        if (attendus[i] <= 0) {
            if (observes[i] > 0) t.observe_hors_attendus = true;
            continue;
        }
        ++cases;
        const double ecart = observes[i] - attendus[i];
        t.khi2 += ecart * ecart / attendus[i];
        if (attendus[i] < 5) t.attendu_sous_5 = true;
    }
    t.ddl = cases > 0 ? cases - 1 : 0;
    // An overflowing sum leaves nothing of the hypothesis: the law cannot take it.
    if (t.observe_hors_attendus || !std::isfinite(t.khi2)) {
        t.khi2 = std::numeric_limits<double>::infinity();
        t.p = 0;
    } else if (t.ddl > 0) {
        const boost::math::chi_squared loi(t.ddl);
        t.p = boost::math::cdf(boost::math::complement(loi, t.khi2));
    }
    return t;
}

} // namespace orvan
