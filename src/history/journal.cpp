// The event log: one line per user action, the seed first.
#include "app/form1.h"

namespace orvan {

void TForm1::stock_ev(const std::string& ligne) {
    if (rejeu_en_cours == 1) return;
    evenements->lignes.push_back(ligne);
}

void TForm1::init_evenement(int n) {
    auto& lignes = evenements->lignes;
    if (n <= 0)
        lignes.clear();
    else if (static_cast<std::size_t>(n) < lignes.size())
        lignes.resize(static_cast<std::size_t>(n));
    alea.init_alea(plateforme.heure_utc());
    const std::string graine = "aleat=" + std::to_string(alea.graine_signee());
    if (lignes.empty())
        lignes.push_back(graine);
    else
        lignes[0] = graine;
}

void TForm1::Evnements1Click() {
    GroupBox1->visible = true;
}

void TForm1::ferme_evClick() {
    GroupBox1->visible = false;
}

} // namespace orvan
