// Pearson's chi-square test of observed counts against expected counts.
#pragma once

#include <vector>

namespace orvan {

struct TestKhi2 {
    double khi2 = 0;
    // Cells with an expected count, minus one; 0 leaves nothing to test.
    int ddl = 0;
    double p = 1;
    // Some expected count is under 5: the test's approximation is poor.
    bool attendu_sous_5 = false;
    // A count was observed where none is expected: the hypothesis cannot be.
    bool observe_hors_attendus = false;
};

// observes and attendus are parallel, one entry per cell; the expected counts are those of the
// hypothesis for the same total.
TestKhi2 test_khi2(const std::vector<double>& observes, const std::vector<double>& attendus);

} // namespace orvan
