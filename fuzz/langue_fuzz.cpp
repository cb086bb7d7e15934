// A language file's bytes: read and applied in English to a started window, whose captions and
// label sizes must stay bounded, a family built on the renamed controls, then the file applied
// again in French before the state is dumped.
#include "app/vidage.h"
#include "banque_fuzz.h"
#include "fenetre_fuzz.h"
#include "ground/texte.h"
#include "history/fichier_gen.h"
#include "ui/langue.h"
#include "ui/langue_fiche.h"

#include <cstdlib>

using namespace orvan;

namespace {

// What the file gave a caption stays within what one caption may hold, and a label that sizes
// itself to it within what that text measures.
void verifie_les_legendes(const FenetrePrincipale& f, const std::vector<std::string>& avant) {
    const auto& composants = f.composants();
    for (std::size_t i = 0; i < composants.size(); ++i) {
        const Controle& c = *composants[i];
        if (c.caption == avant[i]) continue;
        if (nb_caracteres(c.caption) > legende_max_caracteres ||
            compte(c.caption, '\r') >= legende_max_lignes)
            std::abort();
        const auto* l = dynamic_cast<const Label*>(&c);
        if (l && l->autosize && l->width > f.plateforme.mesure(l->caption, l->police).largeur)
            std::abort();
    }
}

std::vector<std::string> legendes(const FenetrePrincipale& f) {
    std::vector<std::string> r;
    for (const auto& c : f.composants())
        r.push_back(c->caption);
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const FichierLangue fichier = analyse_langue(lignes_du_texte(fuzz::octets(donnees, taille)));
    fuzz::FenetreFuzz fenetre;
    FenetrePrincipale& f = fenetre.f;
    const auto avant = legendes(f);
    applique_langue(f, fichier.lignes, langue_anglais);
    verifie_les_legendes(f, avant);
    // Two genes, the second and the fourth of the built-in bank.
    fuzz::ChoixBanque choix;
    choix.nb_genes = 2;
    choix.premier = 1;
    choix.second = 3;
    choix.phenotypes[0] = 0b100100;
    choix.phenotypes[1] = 0b011000;
    f.journal.lignes() = fuzz::journal_du_choix(choix);
    f.historique.rejoue_journal();
    applique_langue(f, fichier.lignes, langue_francais);
    static_cast<void>(etat_json(f));
    return 0;
}
