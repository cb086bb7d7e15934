// The family that the sibship-editing tests arrange, in the core and in the window.
#pragma once

#include <string>
#include <vector>

// Seed fixed: six children 3..8 at Left 99, 198, .., 594 (698 / 7 = 99 apart); 8 married to 9
// at 634, their six children 10..15 at 504, 549, .., 729 (45 apart around 594, from -2 to +3):
// the last one reaches past the window's 698 pixels. Line 1 starts on child 10's tick
// (504 + 17 - 2 = 519) and is 729 - 504 = 225 wide; vertical 1 stands in the middle of the
// marriage line 629..634, at 631.
inline const std::vector<std::string> grande_famille = {
    "aleat=31415926",     "bitbtn4click",       "group_premclick.0", "bitbtn1click",
    "choix_all(1,left)",  "prem_alleleclick.0", "all_okclick",       "choix_all(2,left)",
    "prem_alleleclick.1", "nb_desc=5",          "all_okclick",       "choix_all(8,left)",
    "prem_alleleclick.0", "nb_desc=5",          "all_okclick"};
