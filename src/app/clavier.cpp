#include "app/clavier.h"

#include "app/fenetre_principale.h"

#include <array>

namespace orvan {

namespace {

struct BoutonsDuPanneau {
    const Controle* panneau;
    const BoutonGlyphe* defaut;
    const BoutonGlyphe* annulation;
};

// The panels where a choice waits come before the tools that stay open beside them.
std::array<BoutonsDuPanneau, 7> panneaux(const FenetrePrincipale& f) {
    return {{
        {f.phenotypes.panneau, f.phenotypes.ok, f.phenotypes.annuler},
        {f.genotypes.panneau, f.genotypes.ok, f.genotypes.annuler},
        {f.alleles.panneau, f.alleles.ok, f.alleles.annuler},
        {f.genes.panneau, f.genes.ok, f.genes.annuler},
        {f.couleurs.panneau, f.couleurs.ok, f.couleurs.fermer},
        {f.calculette.boite, f.calculette.egal, f.calculette.fermer},
        {f.historique.panneau, nullptr, f.historique.fermer},
    }};
}

} // namespace

bool appuie_bouton_du_panneau(FenetrePrincipale& f, int touche) {
    if (touche != touche_entree && touche != touche_echap) return false;
    for (const BoutonsDuPanneau& p : panneaux(f)) {
        if (!p.panneau->affiche()) continue;
        const BoutonGlyphe* bouton = touche == touche_entree ? p.defaut : p.annulation;
        if (bouton && bouton->affiche() && bouton->enabled) bouton->clic();
        return true;
    }
    return false;
}

} // namespace orvan
