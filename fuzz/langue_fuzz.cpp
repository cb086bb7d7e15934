// A language file's bytes: read and applied in English to a started window, a family built on
// the renamed controls, then the file applied again in French before the state is dumped.
#include "app/vidage.h"
#include "banque_fuzz.h"
#include "fenetre_fuzz.h"
#include "history/fichier_gen.h"
#include "ui/langue.h"
#include "ui/langue_fiche.h"

using namespace orvan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const FichierLangue fichier = analyse_langue(lignes_du_texte(fuzz::octets(donnees, taille)));
    fuzz::FenetreFuzz fenetre;
    FenetrePrincipale& f = fenetre.f;
    applique_langue(f, fichier.lignes, langue_anglais);
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
