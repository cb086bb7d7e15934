// The gene bank's text in place of the built-in one: its genes listed, one or two of them
// chosen and confirmed through the handlers as a replay does, then a founder couple and their
// child given phenotypes, so that the model read from the bank goes through a crossing.
#include "banque_fuzz.h"

#include "app/vidage.h"
#include "fenetre_fuzz.h"
#include "history/fichier_gen.h"

using namespace orvan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    if (taille < fuzz::taille_entete_banque) return 0;
    const std::string_view entree = fuzz::octets(donnees, taille);
    const fuzz::ChoixBanque choix = fuzz::lit_entete(entree);
    fuzz::FenetreFuzz fenetre;
    FenetrePrincipale& f = fenetre.f;
    f.genes.banque->lignes = lignes_du_texte(entree.substr(fuzz::taille_entete_banque));
    f.genes.extrait_maladies();
    f.journal.lignes() = fuzz::journal_du_choix(choix);
    f.historique.rejoue_journal();
    static_cast<void>(etat_json(f));
    return 0;
}
