// What the exercises' panels receive from the window: the objects they use, named as the window
// names them, and the few controls of the window's own that they measure with or listen to.
#pragma once

#include "famille/famille.h"
#include "ground/plateforme.h"
#include "ground/textes.h"
#include "history/journal.h"
#include "panneaux/panneau_couleurs.h"
#include "pedigree/arbre.h"
#include "pedigree/choix_phenotypes.h"
#include "pedigree/liens_pedigree.h"
#include "regles/modele_caracteres.h"
#include "ui/fiche.h"

#include <functional>

namespace orvan {

class ExerciceAlleles;

struct LiensExercices {
    Fiche& fenetre;
    Plateforme& plateforme;
    const Traduction& textes;
    Famille& famille;
    Journal& journal;
    // The genes of the bank chosen: their genotypes, phenotypes and statements.
    ModeleCaracteres& modele;
    Arbre& arbre;
    ChoixPhenotypes& phenotypes;
    PanneauCouleurs& couleurs;
    ExerciceAlleles& alleles;
    const EntreesPedigree& menus;
    // The hidden labels that measure a statement's and a genotype's text; once made.
    Label* mesure_relation = nullptr;
    Label* mesure_genotype = nullptr;
    // The start picture, whose click ends the genotype questions, and its removal.
    Image* image_depart = nullptr;
    std::function<void()> lance_disparition;
};

} // namespace orvan
