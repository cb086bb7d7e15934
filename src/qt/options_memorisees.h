// The options "Motifs" and "Numérotation", and the allele frequencies that a teacher set, kept
// from one run of the program to the next in the application's settings. The core holds them;
// this reads them once at start and writes them back when they change.
#pragma once

#include "probabilites/a_priori.h"

#include <map>
#include <string>

namespace orvan {

struct Menus;

class OptionsMemorisees {
  public:
    using Frequences = std::map<std::string, FrequencesGene>;
    // frequences: the program's defaults, which the teacher's replace gene by gene.
    void restaure(Menus& menus, Frequences& frequences);
    void retient(const Menus& menus, const Frequences& frequences);

  private:
    bool motifs_ = false;
    bool numerotation_ = false;
    std::string frequences_;
};

} // namespace orvan
