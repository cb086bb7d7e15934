#include "ground/progression.h"

#include "ground/messages.h"
#include "ground/plateforme.h"

namespace orvan {

Progression::Progression(Plateforme& plateforme, const Texte& texte, std::size_t total,
                         bool annulable, std::size_t pas)
    : plateforme_(plateforme), pas_(pas > 0 ? pas : 1), annulable_(annulable) {
    const Traduction& t = plateforme.textes();
    plateforme_.commence_progression({t(texte), annulable ? t(msg::annuler) : "", total});
}

Progression::~Progression() {
    plateforme_.termine_progression();
}

bool Progression::avance() {
    ++faits_;
    return faits_ % pas_ == 0 ? poursuit() : !annulee_;
}

bool Progression::poursuit() {
    if (!plateforme_.progresse(faits_) && annulable_) annulee_ = true;
    return !annulee_;
}

} // namespace orvan
