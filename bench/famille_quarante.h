// The family of 40 that the benchmarks of the window measure.
#pragma once

#include <string>
#include <vector>

// Six children, then the first five married with six children each, cut at 40.
inline std::vector<std::string> famille_de_quarante() {
    std::vector<std::string> l = {"aleat=31415926", "bitbtn4click",      "group_premclick.0",
                                  "bitbtn1click",   "choix_all(1,left)", "prem_alleleclick.0",
                                  "all_okclick",    "choix_all(2,left)", "prem_alleleclick.1",
                                  "nb_desc=5",      "all_okclick"};
    for (int k = 3; k <= 7; ++k)
        l.insert(l.end(), {"choix_all(" + std::to_string(k) + ",left)", "prem_alleleclick.0",
                           "nb_desc=5", "all_okclick"});
    return l;
}
