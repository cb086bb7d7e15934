#include "ground/progression.h"

#include "ground/plateforme.h"
#include "ground/messages.h"

namespace orvan {

Progression::Progression(Plateforme& plateforme, const Texte& texte, std::size_t total,
                         bool annulable)
    : plateforme_(plateforme), annulable_(annulable) {
    const Traduction& t = plateforme.textes();
    plateforme_.commence_progression({t(texte), annulable ? t(msg::annuler) : "", total});
}

Progression::~Progression() {
    plateforme_.termine_progression();
}

// The platform is asked every 64 steps: a step is one replayed line, cheaper than a look at the
// clock.
bool Progression::avance() {
    ++faits_;
    if (faits_ % 64 == 0 && !plateforme_.progresse(faits_) && annulable_) annulee_ = true;
    return !annulee_;
}

} // namespace orvan
