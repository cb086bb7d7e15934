// The options "Motifs" and "Numérotation" kept from one run of the program to the next, in the
// application's settings. The core holds the ticks; this reads them once at start and writes
// them back when they change.
#pragma once

namespace orvan {

struct Menus;

class OptionsMemorisees {
  public:
    void restaure(Menus& menus);
    void retient(const Menus& menus);

  private:
    bool motifs_ = false;
    bool numerotation_ = false;
};

} // namespace orvan
