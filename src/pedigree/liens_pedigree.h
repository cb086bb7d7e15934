// What the pedigree's panels receive from the window: the objects they use, named as the window
// names them. What another panel must do in their stead, the window gives as functions
// (`Arbre::clic`, `Arbre::fin_des_questions`).
#pragma once

#include "famille/famille.h"
#include "genebank/choix_genes.h"
#include "ground/generateur.h"
#include "ground/plateforme.h"
#include "ground/textes.h"
#include "history/journal.h"
#include "panneaux/panneau_couleurs.h"
#include "panneaux/panneaux_mobiles.h"
#include "pedigree/modele_pedigree.h"
#include "pedigree/panneau_genotypes.h"
#include "ui/fiche.h"

namespace orvan {

class Arbre;
class ChoixPhenotypes;

// The menu entries that the pedigree reads or enables; once the menus are made.
struct EntreesPedigree {
    Menu* saisie_phenotypes = nullptr;
    Menu* saisie_genotypes = nullptr;
    Menu* autre_famille = nullptr;
    Menu* exercices = nullptr;

    // The entry mode's two entries, one ticked, as the pedigree's state says.
    void coche_mode_saisie(ModeSaisie mode) const {
        saisie_phenotypes->checked = mode == ModeSaisie::phenotypes;
        saisie_genotypes->checked = mode == ModeSaisie::genotypes;
    }
};

struct LiensPedigree {
    Fiche& fenetre;
    Plateforme& plateforme;
    const Traduction& textes;
    Famille& famille;
    Journal& journal;
    Generateur& alea;
    ChoixGenes& genes;
    Arbre& arbre;
    ChoixPhenotypes& phenotypes;
    PanneauGenotypes& genotypes;
    PanneauCouleurs& couleurs;
    PanneauxMobiles& panneaux_mobiles;
    EntreesPedigree menus;
};

} // namespace orvan
