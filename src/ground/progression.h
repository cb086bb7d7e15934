// A task of many steps as the platform shows it: begun when made, closed when destroyed. A task
// that can be cancelled stops being told it may go on once the user has cancelled.
#pragma once

#include "ground/textes.h"

#include <cstddef>

namespace orvan {

class Plateforme;

class Progression {
  public:
    // The platform is asked every `pas` steps: a replayed line is cheaper than a look at the
    // clock, a family is not.
    Progression(Plateforme& plateforme, const Texte& texte, std::size_t total, bool annulable,
                std::size_t pas = 64);
    ~Progression();
    Progression(const Progression&) = delete;
    Progression& operator=(const Progression&) = delete;

    // One more step done; false once the user has cancelled a task that can be cancelled.
    bool avance();
    bool annulee() const { return annulee_; }
    // Asks the platform without a step done: within a step that lasts.
    bool poursuit();

  private:
    Plateforme& plateforme_;
    std::size_t faits_ = 0;
    std::size_t pas_;
    bool annulable_;
    bool annulee_ = false;
};

} // namespace orvan
