// A .gen file's bytes: read into lines, replayed on a started window and dumped, then its last
// action undone.
#include "app/vidage.h"
#include "fenetre_fuzz.h"
#include "history/fichier_gen.h"

using namespace orvan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    fuzz::FenetreFuzz fenetre;
    FenetrePrincipale& f = fenetre.f;
    f.journal.lignes() = lignes_du_texte(fuzz::octets(donnees, taille));
    f.historique.rejoue_journal();
    static_cast<void>(etat_json(f));
    // "<---" on the family just read: the last action goes and the log is replayed again.
    f.historique.annule_derniere_action();
    static_cast<void>(etat_json(f));
    return 0;
}
