#include "history/journal.h"

#include "app/generateur.h"
#include "app/plateforme.h"
#include "ui/texte.h"

namespace orvan {

void Journal::stock_ev(const std::string& ligne) {
    if (rejeu_en_cours == 1) return;
    lignes_->push_back(ligne);
    if (apres_ajout) apres_ajout();
}

void Journal::init_evenement(int n) {
    auto& l = *lignes_;
    if (n <= 0)
        l.clear();
    else if (static_cast<std::size_t>(n) < l.size())
        l.resize(static_cast<std::size_t>(n));
    alea_.init_alea(plateforme_.heure_utc());
    const std::string graine = "aleat=" + std::to_string(alea_.graine_signee());
    if (l.empty())
        l.push_back(graine);
    else
        l[0] = graine;
}

bool Journal::commence_par_mise_en_place() const {
    const auto& l = *lignes_;
    return l.size() >= 2 && contient(l[0], "aleat=") && !contient(l[0], "'") &&
           (l[1] == "bitbtn4click" || l[1] == "bitbtn5click");
}

// The family begins with its first click on an individual; the teacher's own choice of genes
// comes after the one the start-up makes, so the last confirmation before that click is the one
// that counts.
int Journal::fin_mise_en_place() const {
    const auto& l = *lignes_;
    std::size_t debut_famille = 0;
    while (debut_famille < l.size() && !contient(l[debut_famille], "choix_all"))
        ++debut_famille;
    for (std::size_t i = debut_famille; i-- > 0;)
        if (l[i] == "bitbtn1click") return static_cast<int>(i) + 1;
    return 4;
}

} // namespace orvan
