// Every text that the program shows and the language file does not name, in French and in
// English. To add one: a line here, then show it through the window's texts (`f.textes(...)`
// for a message, `ecrit(controle, ...)` for a control, which keeps it for a change of language).
// "{}" in a text stands for a value given with `Texte::avec`.
#pragma once

#include "ground/textes.h"

namespace orvan::msg {

// The start: the hint, the mode choice, the start picture.
inline const Texte consigne{"Choisissez le phénotype de ces individus en cliquant dessus",
                            "Choose the phenotype of these individuals by clicking on them"};
inline const Texte genetique_humaine{"Génétique Humaine", "Human Genetics"};
inline const Texte heredite_generations{"l'hérédité au fil des générations",
                                        "heredity down the generations"};
inline const Texte homme{"homme", "man"};
inline const Texte femme{"femme", "woman"};
inline const Texte atteint{"atteint", "affected"};
inline const Texte conductrice{"conductrice", "carrier"};
inline const Texte mono_hybridisme{"Mono-hybridisme", "Monohybrid cross"};
inline const Texte di_hybridisme{"Di-hybridisme", "Dihybrid cross"};
inline const Texte ouvrir_fichier{"Ouvrir fichier", "Open file"};
inline const Texte quitter{"Quitter", "Quit"};
inline const Texte titre_fenetre{"Daltonisme", "Colour blindness"};
inline const Texte fichier_lu{"fichier:{}", "file:{}"};
inline const Texte perdre_parents{
    "Voulez-vous effacer cette famille\ret en commencer une nouvelle avec les mêmes gènes\u00a0?",
    "Do you want to clear this family\rand start a new one with the same genes?"};

// Buttons and titles shared by the panels and the platform's boxes.
inline const Texte ok{"OK", "OK"};
inline const Texte ok_saisie{"Ok", "Ok"};
inline const Texte annuler{"Annuler", "Cancel"};
inline const Texte oui{"Oui", "Yes"};
inline const Texte non{"Non", "No"};
inline const Texte avertissement{"Avertissement", "Warning"};
inline const Texte erreur{"Erreur", "Error"};
// The last guard of the window: what a handler let out.
inline const Texte action_interrompue{
    "Cette action a échoué et a été interrompue ({}). La famille reste celle de l'écran ; "
    "enregistrez-la avant de continuer.",
    "This action failed and was stopped ({}). The family stays the one on screen; save it before "
    "going on."};

// The gene choice and the trait's panels.
inline const Texte choix_des_genes{"Choix des gènes", "Choice of genes"};
inline const Texte premier_gene{"Premier gène", "First gene"};
inline const Texte deuxieme_gene{"Deuxième gène", "Second gene"};
inline const Texte genes_semblables{"Les deux gènes sont semblables", "The two genes are the same"};
inline const Texte et{" et ", " and "};
inline const Texte premier_phenotype{"Premier phénotype", "First phenotype"};
inline const Texte deuxieme_phenotype{"Deuxième phénotype", "Second phenotype"};
inline const Texte nb_descendants{"Nb descendants", "Nb of children"};
inline const Texte hasard{"hasard", "random"};
inline const Texte famille_complete{
    "La famille est complète : on ne peut plus ajouter de conjoint.",
    "The family is complete: no other spouse can be added."};

// The genotype panel.
inline const Texte choix_des_genotypes{"Choix des génotypes", "Choice of genotypes"};
inline const Texte genotype_du_conjoint{"Génotype du conjoint", "Genotype of the spouse"};
inline const Texte genotype_du_fondateur{"Génotype d'un fondateur", "Genotype of a founder"};
inline const Texte changement_de_genotype{"Changement de génotype", "Change of genotype"};
inline const Texte premier_gene_minuscule{"premier gène", "first gene"};
inline const Texte deuxieme_gene_minuscule{"deuxième gène", "second gene"};
inline const Texte choix_sexe{"Choix sexe", "Choice of sex"};
inline const Texte masculin{"masculin", "male"};
inline const Texte feminin{"féminin", "female"};

// The allele exercise.
inline const Texte reponses{"Réponses  ", "Answers  "};
inline const Texte bien{"bien", "right"};
inline const Texte faux{"faux", "wrong"};

// The genotype exercise and its question window.
inline const Texte cliquez_individu{"Cliquez sur un individu", "Click on an individual"};
inline const Texte quel_genotype_de{"Quel est le génotype de {}\u00a0?",
                                    "What is the genotype of {}?"};
inline const Texte genes_1_et_2{"gène 1      gène 2", "gene 1      gene 2"};
inline const Texte gene_1{"gène 1", "gene 1"};
inline const Texte reponse{"Réponse\u00a0:", "Answer:"};
inline const Texte reponse_juste_est{"Réponse\u00a0: {}", "Answer: {}"};
inline const Texte oui_juste{"oui", "yes"};
// The calculator's key of division: ":" in a French classroom, "÷" in an English one.
inline const Texte touche_division{":", "\u00f7"};
inline const Texte non_faux{"non", "no"};
inline const Texte autre_genotype{"Autre génotype", "Other genotype"};
inline const Texte aide_bouton{"&Aide", "&Help"};

// The history, the calculator, printing.
inline const Texte retour{"<---", "<---"};
inline const Texte fermer_x{"X", "X"};
// A long replay (an opening, an undo), and the replay of the log as it was after a cancel.
inline const Texte reconstruction_famille{"Reconstruction de la famille…",
                                          "Rebuilding the family…"};
inline const Texte retour_famille{"Retour à la famille d'avant…",
                                  "Going back to the previous family…"};
inline const Texte calculette{" Calculette", " Calculator"};
inline const Texte effacer{"Effacer", "Clear"};
inline const Texte division_par_zero{"Division par zéro en virgule flottante",
                                     "Floating point division by zero"};
inline const Texte resultat_trop_grand{"Résultat trop grand pour la calculette",
                                       "Result too large for the calculator"};
inline const Texte impression{"Impression", "Printing"};
inline const Texte sans_imprimante{
    "Aucune imprimante n'est installée\u00a0: la page n'a pas été imprimée.",
    "No printer is installed: the page has not been printed."};
inline const Texte impression_echouee{"L'impression a échoué\u00a0: la page n'a pas été imprimée.",
                                      "Printing failed: the page has not been printed."};
inline const Texte proposer_pdf{"\rVoulez-vous l'enregistrer dans un fichier PDF\u00a0?",
                                "\rDo you want to save it to a PDF file?"};
inline const Texte nom_pdf{"famille.pdf", "family.pdf"};
inline const Texte ecriture_impossible{"Impossible d'écrire le fichier {}.",
                                       "The file {} cannot be written."};

// Files.
inline const Texte ouverture_impossible{"Impossible d'ouvrir le fichier {}",
                                        "The file {} cannot be opened"};
inline const Texte trop_volumineux{"Le fichier {} est trop volumineux pour être ouvert.",
                                   "The file {} is too large to be opened."};
inline const Texte creation_impossible{"Impossible de créer le fichier {}",
                                       "The file {} cannot be created"};
inline const Texte erreur_ecriture{"Erreur d'écriture dans le flux", "Error while writing"};
inline const Texte disque_plein{
    "Le disque est plein : la famille n'a pas été enregistrée, et le fichier {} est resté tel "
    "qu'il était.",
    "The disk is full: the family has not been saved, and the file {} has stayed as it was."};
inline const Texte lecture_seule{"Le fichier {} est en lecture seule : il n'a pas été remplacé.",
                                 "The file {} is read-only: it has not been replaced."};
inline const Texte famille_trop_longue{
    "La famille est trop longue pour être rouverte une fois enregistrée (plus de 16 Mio) : le "
    "fichier {} n'a pas été écrit.",
    "The family is too long to be opened again once saved (over 16 MiB): the file {} has not "
    "been written."};
inline const Texte lien_d_autrui{
    "Le fichier {} est un lien qu'un autre utilisateur a placé dans un dossier partagé : il n'a "
    "pas été suivi et rien n'a été écrit.",
    "The file {} is a link that another user placed in a shared folder: it has not been "
    "followed and nothing has been written."};
inline const Texte fichier_muet{
    "Le fichier {} n'est pas un fichier ordinaire et il ne donne rien à lire : il n'a pas été "
    "ouvert.",
    "The file {} is not a regular file and gives nothing to read: it has not been opened."};
// What a folder of families holds that cannot be read.
inline const Texte pas_un_fichier_ordinaire{
    "Ce n'est pas un fichier ordinaire : il n'a pas été lu.",
    "This is not a regular file: it has not been read."};
inline const Texte lien_sans_fichier{"Ce lien ne mène à aucun fichier.",
                                     "This link leads to no file."};
inline const Texte dossier_illisible{
    "Ce dossier ne peut pas être lu : les familles qu'il contient n'ont pas été comptées.",
    "This folder cannot be read: the families it holds have not been pooled."};
inline const Texte trop_de_lignes{
    "Le fichier {} compte trop de lignes vides ou très courtes ({}) pour être ouvert.",
    "The file {} has too many empty or very short lines ({}) to be opened."};
inline const Texte langue_trop_grande{"Le fichier de langue {} dépasse 1 Mio : il n'a pas été lu.",
                                      "The language file {} is over 1 MiB: it has not been read."};
inline const Texte langue_deux_points{
    "Fichier de langue, ligne {} : il manque « : » entre le contrôle et ses textes.",
    "Language file, line {}: the \u201c:\u201d between the control and its texts is missing."};
inline const Texte langue_tag_invalide{
    "Fichier de langue, ligne {} : « {} » n'est pas un nombre entier.",
    "Language file, line {}: \u201c{}\u201d is not a whole number."};

// A family that no file holds as it is, before it is given up.
inline const Texte famille_non_enregistree{
    "Cette famille a changé depuis son ouverture ou son dernier enregistrement.\r"
    "Voulez-vous l'enregistrer ?",
    "This family has changed since it was opened or last saved.\rDo you want to save it?"};
inline const Texte ne_pas_enregistrer{"Ne pas enregistrer", "Don't save"};
// The recovery copy of an unsaved family, and the offer at start to take it back.
inline const Texte famille_laissee{
    "Une famille n'était pas enregistrée quand le programme s'est arrêté (dernière action : "
    "{}).\rVoulez-vous la reprendre ?",
    "A family was not saved when the program stopped (last action: {}).\r"
    "Do you want to take it back?"};
inline const Texte reprendre{"Reprendre", "Take it back"};
inline const Texte abandonner{"Abandonner", "Discard"};
inline const Texte plus_tard{"Plus tard", "Later"};
inline const Texte copie_endommagee{
    "La copie de secours d'une famille non enregistrée est endommagée et ne peut pas être "
    "reprise. Elle est mise de côté : {}",
    "The recovery copy of an unsaved family is damaged and cannot be taken back. It is set "
    "aside: {}"};
inline const Texte secours_impossible{
    "La copie de secours de la famille ne peut pas être écrite dans {}.\rEnregistrez la "
    "famille pour ne pas la perdre si le programme s'arrête.",
    "The recovery copy of the family cannot be written in {}.\rSave the family so as not to "
    "lose it if the program stops."};

// A change of genotype asked for a founder while the other founder has none: the panel would
// have nothing to offer.
inline const Texte fondateur_sans_genotype{
    "Le génotype d'un fondateur se change une fois les deux fondateurs choisis\u00a0: "
    "choisissez d'abord le phénotype de l'autre fondateur.",
    "A founder's genotype can be changed once both founders are chosen: first choose the "
    "phenotype of the other founder."};

// The help menu.
inline const Texte aide_sommaire{"Sommaire de l'aide", "Help contents"};
inline const Texte aide_clavier{"Raccourcis clavier", "Keyboard shortcuts"};
inline const Texte aide_a_propos{"À propos d'Orvan", "About Orvan"};

// The family's picture in the window, under "Affichage".
inline const Texte zoom_avant{"Zoom avant", "Zoom in"};
inline const Texte zoom_arriere{"Zoom arrière", "Zoom out"};
inline const Texte taille_reelle{"Taille réelle", "Actual size"};
inline const Texte ajuster_a_la_fenetre{"Ajuster à la fenêtre", "Fit to window"};
inline const Texte presentation_plein_ecran{"Présentation plein écran", "Full-screen presentation"};

// The platform's dialogs.
inline const Texte ouvrir{"Ouvrir", "Open"};
inline const Texte enregistrer{"Enregistrer", "Save"};
inline const Texte familles{"Familles ({})", "Families ({})"};
inline const Texte tous_les_fichiers{"Tous les fichiers (*)", "All files (*)"};
inline const Texte exemples{"Exemples", "Examples"};
inline const Texte enregistrer_pdf{"Enregistrer en PDF", "Save as PDF"};
inline const Texte documents_pdf{"Documents PDF (*.pdf)", "PDF documents (*.pdf)"};
inline const Texte aide{"Aide", "Help"};
inline const Texte precedent{"Précédent", "Back"};
inline const Texte suivant{"Suivant", "Forward"};
inline const Texte fermer{"Fermer", "Close"};
// The help page of each language, in the help folder.
inline const Texte page_aide{"orvan.html", "orvan-en.html"};
inline const Texte aide_introuvable{"Le fichier d'aide {} est introuvable.",
                                    "The help file {} cannot be found."};

// The picture export.
inline const Texte exporter_image{"Exporter l'image", "Export the picture"};
inline const Texte famille{"famille", "family"};
inline const Texte filtres_image{"Image PNG (*.png);;Image SVG (*.svg);;Document PDF (*.pdf)",
                                 "PNG picture (*.png);;SVG picture (*.svg);;PDF document (*.pdf)"};
// The PNG's pixels for one pixel of the screen, in the save dialog.
inline const Texte echelle_png{"Échelle du PNG\u00a0:", "PNG scale:"};
inline const Texte echelle_png_bulle{
    "Pixels de l'image pour un pixel de l'écran\u00a0: plus grande, l'image reste nette "
    "agrandie ou imprimée.",
    "Pixels of the picture for each pixel of the screen: larger, the picture stays sharp "
    "when enlarged or printed."};
inline const Texte suffixe_image{"Le nom de l'image doit finir par .png, .svg ou .pdf.",
                                 "The picture's name must end in .png, .svg or .pdf."};
inline const Texte image_non_ecrite{"Impossible d'écrire l'image {}\u00a0: {}.",
                                    "The picture {} cannot be written: {}."};
inline const Texte c_est_un_dossier{"c'est un dossier", "it is a folder"};
inline const Texte dossier_absent{"le dossier {} n'existe pas", "the folder {} does not exist"};
inline const Texte fichier_protege{"le fichier est protégé en écriture", "the file is read-only"};
inline const Texte dossier_protege{"le dossier {} est protégé en écriture",
                                   "the folder {} is read-only"};
inline const Texte ecriture_echouee{"l'écriture a échoué", "writing failed"};
inline const Texte pas_un_fichier_a_remplacer{
    "ce n'est pas un fichier ordinaire : il n'a pas été remplacé",
    "it is not a regular file: it has not been replaced"};
inline const Texte fichier_d_autrui{"le fichier appartient à un autre utilisateur",
                                    "the file belongs to another user"};
inline const Texte lien_d_autrui_image{
    "c'est un lien qu'un autre utilisateur a placé dans un dossier partagé",
    "it is a link that another user placed in a shared folder"};
inline const Texte lien_sans_fin{"ses liens ne mènent à aucun fichier",
                                 "its links lead to no file"};

// The command line.
inline const Texte aide_ligne_de_commande{
    "Usage : orvan [1|2] [--enseignant] [FAMILLE.gen]\n"
    "        orvan --dump FICHIER.gen [--probabilites [--population]]\n"
    "        orvan --probabilites FAMILLE.gen [--population]\n"
    "        orvan --statistiques FICHIERS|DOSSIERS... [--csv FICHIER.csv]"
    " [--hypothese \"D=3 d=1\"]\n"
    "                             [--nouvelles N --comme FAMILLE.gen [--graine G]]\n"
    "        orvan --classe FICHIERS|DOSSIERS... [--csv FICHIER.csv]\n"
    "        orvan --ped FAMILLE.gen [--gene 1|2] [--atteint PHENOTYPE]\n"
    "        orvan --export FAMILLE.gen IMAGE.png|svg|pdf"
    " [--motifs] [--numerotation] [--echelle N]\n"
    "                             [--probabilites [--population]]\n\n"
    "Orvan montre l'hérédité humaine sur l'arbre généalogique d'une famille.\n\n"
    "  1                  textes français (le choix de départ)\n"
    "  2                  textes anglais\n"
    "  --enseignant       choix du mode et des gènes, menus cachés montrés\n"
    "  FAMILLE.gen        ouvre cette famille au démarrage\n"
    "  --dump FICHIER     rejoue FICHIER sans fenêtre et écrit la famille en JSON,\n"
    "                     avec les probabilités de chaque individu sur demande\n"
    "  --probabilites FAMILLE\n"
    "                     rejoue FAMILLE sans fenêtre et écrit en JSON la\n"
    "                     probabilité de chaque génotype de chaque individu, sachant\n"
    "                     ce que la famille montre ; --population : les fondateurs\n"
    "                     et les conjoints pris dans la population, et non tels que\n"
    "                     le programme les tire\n"
    "  --statistiques     rejoue sans fenêtre les familles enregistrées (un dossier\n"
    "                     pour tous ses .gen) et N nouvelles familles faites comme\n"
    "                     FAMILLE.gen, puis écrit par croisement les enfants par\n"
    "                     phénotype et sexe, les effectifs attendus et le khi² ;\n"
    "                     --csv écrit un individu par ligne (UTF-8, « ; »)\n"
    "  --classe           une ligne par fichier d'élève : gènes, individus,\n"
    "                     générations, réponses aux exercices et score ; --csv\n"
    "                     écrit le tableau (UTF-8, « ; », virgules décimales)\n"
    "  --ped FAMILLE      écrit la famille au format PED des logiciels de pedigree\n"
    "  --export FAMILLE IMAGE\n"
    "                     rejoue FAMILLE sans fenêtre et en écrit l'image (PNG, SVG\n"
    "                     ou PDF, d'après le nom), avec les motifs des phénotypes\n"
    "                     et la numérotation des générations sur demande, et les\n"
    "                     probabilités d'être porteur sous chaque symbole ; un\n"
    "                     PNG a N pixels par pixel d'écran (1 à 8, 2 d'office)\n"
    "  --help             cette aide\n"
    "  --version          la version\n\n"
    "Ces messages sont en anglais avec l'argument 2, ou sans argument de langue quand\n"
    "LC_ALL, LC_MESSAGES ou LANG demandent l'anglais (en_GB, en_US...).\n",
    "Usage: orvan [1|2] [--enseignant] [FAMILY.gen]\n"
    "       orvan --dump FILE.gen [--probabilites [--population]]\n"
    "       orvan --probabilites FAMILY.gen [--population]\n"
    "       orvan --statistiques FILES|FOLDERS... [--csv FILE.csv]"
    " [--hypothese \"D=3 d=1\"]\n"
    "                            [--nouvelles N --comme FAMILY.gen [--graine G]]\n"
    "       orvan --classe FILES|FOLDERS... [--csv FILE.csv]\n"
    "       orvan --ped FAMILY.gen [--gene 1|2] [--atteint PHENOTYPE]\n"
    "       orvan --export FAMILY.gen PICTURE.png|svg|pdf"
    " [--motifs] [--numerotation] [--echelle N]\n"
    "                            [--probabilites [--population]]\n\n"
    "Orvan shows human heredity on the family tree of a family.\n\n"
    "  1                  French texts (the default)\n"
    "  2                  English texts\n"
    "  --enseignant       teacher mode: choice of mode and genes, hidden menus shown\n"
    "  FAMILY.gen         opens this family at start-up\n"
    "  --dump FILE        replays FILE without a window and writes the family as JSON,\n"
    "                     with each individual's probabilities on request\n"
    "  --probabilites FAMILY\n"
    "                     replays FAMILY without a window and writes as JSON the\n"
    "                     probability of each genotype of each individual, given\n"
    "                     what the family shows; --population: founders and\n"
    "                     spouses taken from the population, not as the program\n"
    "                     draws them\n"
    "  --statistiques     replays without a window the saved families (a folder for\n"
    "                     all its .gen files) and N new families made like\n"
    "                     FAMILY.gen, then writes per cross the children by\n"
    "                     phenotype and sex, the expected counts and the chi-square;\n"
    "                     --csv writes one individual per line (UTF-8, \";\")\n"
    "  --classe           one row per pupil's file: genes, individuals, generations,\n"
    "                     answers to the exercises and score; --csv writes the\n"
    "                     table (UTF-8, \",\", decimal points)\n"
    "  --ped FAMILY       writes the family in the PED format of pedigree programs\n"
    "  --export FAMILY PICTURE\n"
    "                     replays FAMILY without a window and writes its picture (PNG,\n"
    "                     SVG or PDF, from the name), with the phenotypes' patterns\n"
    "                     and the generations' numbers on request, and the carrier\n"
    "                     probabilities under each symbol; a PNG has N\n"
    "                     pixels per screen pixel (1 to 8, 2 by default)\n"
    "  --help             this help\n"
    "  --version          the version\n\n"
    "These messages are in English with the argument 2, or without a language argument\n"
    "when LC_ALL, LC_MESSAGES or LANG ask for English (en_GB, en_US...).\n"};
inline const Texte exercices_attendent{
    "Les exercices attendent une troisième génération : mariez un enfant.",
    "The exercises need a third generation: marry a child."};
inline const Texte option_inconnue{"orvan : option inconnue {} (orvan --help les donne)",
                                   "orvan: unknown option {} (orvan --help lists them)"};
inline const Texte dump_sans_fichier{"orvan --dump : il manque le nom du fichier",
                                     "orvan --dump: the file name is missing"};
inline const Texte export_incomplet{
    "orvan --export : il faut le fichier de la famille et celui de l'image",
    "orvan --export: the family's file and the picture's are both needed"};
inline const Texte export_suffixe{
    "orvan --export : le nom de l'image doit finir par .png, .svg ou .pdf",
    "orvan --export: the picture's name must end in .png, .svg or .pdf"};

inline const Texte export_echelle{"orvan --export : --echelle attend un nombre de 1 à 8",
                                  "orvan --export: --echelle needs a number from 1 to 8"};

inline const Texte probabilites_sans_fichier{"orvan --probabilites : il manque le nom du fichier",
                                             "orvan --probabilites: the file name is missing"};

// The probabilities on the pedigree and the Bayes table of one individual.
inline const Texte porteuse{"porteuse : {}", "carrier: {}"};
inline const Texte porteur{"porteur : {}", "carrier: {}"};
// The picture's carrier texts: the word on a line, then one line per gene, "Rhésus : 1/3 (33 %)".
inline const Texte porteuse_seule{"porteuse", "carrier"};
inline const Texte porteur_seul{"porteur", "carrier"};
inline const Texte probabilite_du_gene{"{} : {}", "{}: {}"};
// A fraction and its percentage: "2/3 (67 %)".
inline const Texte fraction_pour_cent{"{} ({} %)", "{} ({}%)"};
// A genotype's probability in the tooltip: "XD,Xd : 1/2 (50 %)".
inline const Texte probabilite_du_genotype{"{} : {}", "{}: {}"};
inline const Texte table_de_bayes{"Table de Bayes\u00a0: {} ({})", "Bayes table: {} ({})"};
inline const Texte genotype{"Génotype", "Genotype"};
inline const Texte a_priori{"A priori", "Prior"};
inline const Texte conditionnelle{"Conditionnelle", "Conditional"};
inline const Texte jointe{"Jointe", "Joint"};
inline const Texte a_posteriori{"A posteriori", "Posterior"};
inline const Texte famille_impossible{
    "Ce que montre la famille est impossible : aucun individu seul n'en est la cause.",
    "What the family shows cannot be: no single individual is the cause."};
inline const Texte genotype_impossible{
    "Ce que montre la famille est impossible : le génotype {} saisi pour l'individu {} ne peut "
    "pas venir de ses parents, ou ne peut pas donner ses enfants.",
    "What the family shows cannot be: the genotype {} entered for individual {} cannot come "
    "from its parents, or cannot give its children."};
inline const Texte phenotype_impossible{
    "Ce que montre la famille est impossible : le phénotype [{}] de l'individu {} ne peut pas "
    "venir de ses parents, ou ne peut pas donner ses enfants.",
    "What the family shows cannot be: the phenotype [{}] of individual {} cannot come from its "
    "parents, or cannot give its children."};

// The allele frequencies that a teacher sets for "Dans la population".
inline const Texte frequences_titre{"Fréquences des allèles dans la population",
                                    "Allele frequencies in the population"};
inline const Texte frequences_explication{
    "Les probabilités « Dans la population » prennent ces fréquences (équilibre de "
    "Hardy-Weinberg). Les fréquences d'un gène font 1 en tout ; écrivez par exemple 0,08, 8 % "
    "ou 2/25.",
    "The probabilities \"In the population\" take these frequencies (Hardy-Weinberg "
    "equilibrium). A gene's frequencies add up to 1; write for example 0.08, 8% or 2/25."};
inline const Texte valeurs_par_defaut{"Valeurs par défaut", "Default values"};
inline const Texte frequence_illisible{
    "La fréquence de l'allèle {} ({}) n'est pas lisible : « {} ». Écrivez un nombre plus grand "
    "que 0, par exemple 0,08, 8 % ou 2/25.",
    "The frequency of allele {} ({}) cannot be read: \"{}\". Write a number greater than 0, for "
    "example 0.08, 8% or 2/25."};
inline const Texte frequences_a_ramener{
    "Les fréquences des allèles de {} font {} en tout, au lieu de 1. Les diviser par leur somme "
    "pour qu'elles fassent 1 ?",
    "The allele frequencies of {} add up to {}, not 1. Divide them by their sum so that they "
    "add up to 1?"};
inline const Texte frequences_sans_gene{
    "La famille n'a pas encore de gène : les fréquences se règlent pour les gènes de la famille.",
    "The family has no gene yet: the frequencies are set for the family's genes."};

// The family in words, for the screen reader, the family's table and the SVG picture.
inline const Texte a_et_b{"{} et {}", "{} and {}"};
inline const Texte genotype_de{"génotype {}", "genotype {}"};
inline const Texte fille_de{"fille de {}", "daughter of {}"};
inline const Texte fils_de{"fils de {}", "son of {}"};
inline const Texte epouse_de{"épouse de {}", "wife of {}"};
inline const Texte epoux_de{"époux de {}", "husband of {}"};
inline const Texte parent_de{"parent de {}", "parent of {}"};
inline const Texte atteinte_de{"atteinte de {}", "affected by {}"};
inline const Texte atteint_de{"atteint de {}", "affected by {}"};
inline const Texte la_famille{"Famille", "Family"};
inline const Texte tableau_famille{"Tableau de la famille", "Family table"};
inline const Texte colonne_individu{"Individu", "Individual"};
inline const Texte colonne_sexe{"Sexe", "Sex"};
inline const Texte colonne_pere{"Père", "Father"};
inline const Texte colonne_mere{"Mère", "Mother"};
inline const Texte colonne_phenotype{"Phénotype", "Phenotype"};
inline const Texte colonne_genotype{"Génotype", "Genotype"};
inline const Texte colonne_probabilite{"Probabilité", "Probability"};

// The class statistics: the families pooled, their tables and tests, the plots.
inline const Texte lecture_des_familles{"Lecture des familles…", "Reading the families…"};
inline const Texte nouvelles_familles_en_cours{"Nouvelles familles…", "New families…"};
inline const Texte pas_une_famille{
    "Ce fichier n'est pas une famille : il n'a pas de graine du tirage",
    "This file is not a family: it has no seed for the draws"};
inline const Texte phenotype{"phénotype", "phenotype"};
inline const Texte fils{"fils", "sons"};
inline const Texte filles{"filles", "daughters"};
inline const Texte total{"total", "total"};
inline const Texte case_du_tableau{"case", "cell"};
inline const Texte observe{"observé", "observed"};
inline const Texte attendu{"attendu", "expected"};
inline const Texte attendu_par_le_programme{"Attendu par le programme (loi exacte)",
                                            "Expected by the program (exact law)"};
inline const Texte attendu_par_le_programme_titre{"Attendu par le programme (loi exacte) :",
                                                  "Expected by the program (exact law):"};
inline const Texte attendu_par_l_hypothese{"Attendu par l'hypothèse :",
                                           "Expected by the hypothesis:"};
inline const Texte croisement{"Croisement {}{} : {}", "Cross {}{}: {}"};
inline const Texte genotypes_des_parents{" (génotypes {})", " (genotypes {})"};
inline const Texte unions_et_enfants{"{} unions, {} enfants", "{} unions, {} children"};
inline const Texte une_union_et_enfants{"1 union, {} enfants", "1 union, {} children"};
inline const Texte hypothese_exclue{
    "Des enfants sont observés là où aucun n'est attendu : l'hypothèse est exclue.",
    "Children are observed where none is expected: the hypothesis is ruled out."};
inline const Texte rien_a_tester{"Une seule case attendue : rien à tester.",
                                 "Only one cell is expected: nothing to test."};
inline const Texte resultat_khi2{"khi² = {} ; ddl = {} ; p = {}", "chi² = {}; df = {}; p = {}"};
inline const Texte attendu_sous_5{
    "Attention : un effectif attendu est inférieur à 5, le test est peu fiable.",
    "Warning: an expected count is under 5, the test is unreliable."};
inline const Texte hypothese_sans_egal{"« {} » : il faut phénotype=rapport",
                                       "\"{}\": write phenotype=ratio"};
inline const Texte hypothese_sexe{"« {} » : après « / », fils ou filles",
                                  "\"{}\": after \"/\", sons or daughters"};
inline const Texte hypothese_nombre{"« {} » : le rapport doit être un nombre positif",
                                    "\"{}\": the ratio must be a positive number"};
inline const Texte hypothese_hors_bornes{
    "« {} » : le rapport doit être 0 ou compris entre 0,000001 et 1000000",
    "\"{}\": the ratio must be 0 or between 0.000001 and 1000000"};
inline const Texte hypothese_vide{"aucun rapport : écrivez par exemple D=3 d=1",
                                  "no ratio: write for instance D=3 d=1"};
// The headless commands "--statistiques" and "--ped".
inline const Texte commande_statistiques{"orvan --statistiques : {}", "orvan --statistiques: {}"};
inline const Texte commande_ped{"orvan --ped : {}", "orvan --ped: {}"};
inline const Texte valeur_manquante{"il manque la valeur de {}", "the value of {} is missing"};
inline const Texte nombre_invalide{"{} : nombre invalide « {} »", "{}: invalid number \"{}\""};
inline const Texte option_statistiques_inconnue{"option inconnue {}", "unknown option {}"};
inline const Texte nouvelles_sans_modele{
    "--nouvelles demande --comme FAMILLE.gen (les gènes et les fondateurs à refaire)",
    "--nouvelles needs --comme FAMILY.gen (the genes and the founders to make again)"};
inline const Texte rien_a_compter{"aucun fichier ni nouvelle famille", "no file and no new family"};
inline const Texte fondateurs_sans_enfants{"{} : les fondateurs n'y ont pas d'enfants",
                                           "{}: its founders have no children"};
inline const Texte hypothese_illisible{"hypothèse illisible, {}", "unreadable hypothesis, {}"};
inline const Texte fichier_ecarte{"Fichier écarté : {} : {}", "File set aside: {}: {}"};
inline const Texte familles_comptees_resume{"Familles comptées : {} ; fichiers écartés : {}",
                                            "Families pooled: {}; files set aside: {}"};
inline const Texte ecarte{"  écarté : {} : {}", "  set aside: {}: {}"};
inline const Texte aucune_famille{"aucune famille à compter", "no family to count"};
inline const Texte ped_sans_fichier{"il manque le nom du fichier", "the file's name is missing"};
inline const Texte ped_sans_phenotypes{
    "{} : aucun individu n'a encore de phénotype, il n'y a rien à exporter",
    "{}: no individual has a phenotype yet, there is nothing to export"};
inline const Texte un_seul_gene{"la famille n'a qu'un gène", "the family has only one gene"};
inline const Texte phenotype_inconnu{"le gène {} n'a pas de phénotype «\u00a0{}\u00a0» (il a {})",
                                     "the gene {} has no phenotype \u201c{}\u201d (it has {})"};
// The statistics window.
inline const Texte statistiques_titre{"Statistiques de la classe", "Class statistics"};
inline const Texte familles_comptees{"Familles comptées", "Families pooled"};
inline const Texte ajouter_fichiers{"Ajouter des fichiers…", "Add files…"};
inline const Texte ajouter_dossier{"Ajouter un dossier…", "Add a folder…"};
inline const Texte nouvelles_comme_a_l_ecran{"Nouvelles familles comme celle à l'écran",
                                             "New families like the one on screen"};
inline const Texte vider{"Vider", "Clear"};
inline const Texte syntaxe_hypothese{
    "Un rapport par phénotype, séparés par des espaces\u00a0: D=3 d=1.\r"
    "Par sexe, le phénotype suivi de /fils ou /filles\u00a0: D/fils=1 d/fils=1 D/filles=2.\r"
    "Les rapports sont des nombres positifs\u00a0; seules comptent leurs proportions.",
    "One ratio per phenotype, separated by spaces: D=3 d=1.\r"
    "By sex, the phenotype followed by /sons or /daughters: D/sons=1 d/sons=1 D/daughters=2.\r"
    "Ratios are positive numbers; only their proportions count."};
inline const Texte exemple_hypothese{"D=3 d=1   ou   D/fils=1 d/fils=1 D/filles=2",
                                     "D=3 d=1   or   D/sons=1 d/sons=1 D/daughters=2"};
inline const Texte choix_croisement{"Croisement (phénotypes du père × de la mère)",
                                    "Cross (the father's phenotypes × the mother's)"};
inline const Texte fichiers_ecartes{"Fichiers écartés", "Files set aside"};
inline const Texte chemin_et_raison{"{} : {}", "{}: {}"};
inline const Texte onglet_observe_attendu{"Observé et attendu", "Observed and expected"};
inline const Texte onglet_proportion{"Proportion courante", "Running proportion"};
inline const Texte onglet_calibration{"Calibration", "Calibration"};
inline const Texte enregistrer_graphique{"Enregistrer le graphique…", "Save the plot…"};
inline const Texte exporter_csv{"Exporter en CSV…", "Export as CSV…"};
inline const Texte table_genotypes{"génotypes {}  ({} enfants)", "genotypes {}  ({} children)"};
inline const Texte table_phenotypes{"{}  ({} enfants)", "{}  ({} children)"};
inline const Texte resume_familles{"{} ; {}", "{}; {}"};
inline const Texte une_famille{"{} famille", "{} family"};
inline const Texte des_familles{"{} familles", "{} families"};
inline const Texte un_fichier_ecarte{"{} fichier écarté", "{} file set aside"};
inline const Texte des_fichiers_ecartes{"{} fichiers écartés", "{} files set aside"};
inline const Texte ajout_annule{"Ajout annulé : rien n'a changé.",
                                "Addition cancelled: nothing has changed."};
inline const Texte choisir_fondateurs{
    "Choisissez d'abord les phénotypes des deux fondateurs à l'écran : les nouvelles familles "
    "les reprendront.",
    "First choose the phenotypes of the two founders on screen: the new families will take them "
    "again."};
inline const Texte ajouter_des_familles{
    "Ajoutez des familles enregistrées ou de nouvelles familles.",
    "Add saved families or new families."};
inline const Texte hypothese_illisible_fenetre{"Hypothèse illisible : {}",
                                               "Unreadable hypothesis: {}"};
inline const Texte graphique_par_hypothese{"Observé et attendu par l'hypothèse : {}",
                                           "Observed and expected by the hypothesis: {}"};
inline const Texte graphique_par_programme{"Observé et attendu par le programme : {}",
                                           "Observed and expected by the program: {}"};
inline const Texte loi_inconnue{
    "La loi exacte des enfants n'est pas connue ici : tapez une hypothèse.",
    "The children's exact law is not known here: type a hypothesis."};
inline const Texte familles_a_compter{"Familles à compter", "Families to count"};
inline const Texte filtre_familles{"Familles Orvan (*.gen);;Tous les fichiers (*)",
                                   "Orvan families (*.gen);;All files (*)"};
inline const Texte dossier_des_familles{"Dossier des familles", "Folder of the families"};
inline const Texte exporter_en_csv{"Exporter en CSV", "Export as CSV"};
// The CSV's column headers.
inline const Texte csv_fichier{"fichier", "file"};
inline const Texte csv_graine{"graine", "seed"};
inline const Texte csv_individu{"individu", "individual"};
inline const Texte csv_sexe{"sexe", "sex"};
inline const Texte csv_pere{"père", "father"};
inline const Texte csv_mere{"mère", "mother"};
inline const Texte csv_gene{"gène {}", "gene {}"};
inline const Texte csv_phenotype{"phénotype {}", "phenotype {}"};
inline const Texte csv_genotype{"génotype {}", "genotype {}"};
inline const Texte csv_probabilite{"probabilité porteur {}", "carrier probability {}"};
inline const Texte nom_csv{"familles.csv", "families.csv"};
inline const Texte filtre_csv{"Tableur CSV (*.csv)", "CSV spreadsheet (*.csv)"};
inline const Texte enregistrer_le_graphique{"Enregistrer le graphique", "Save the plot"};
inline const Texte nom_graphique{"graphique.png", "plot.png"};
inline const Texte filtre_graphique{"Image PNG (*.png);;Image SVG (*.svg)",
                                    "PNG image (*.png);;SVG image (*.svg)"};
inline const Texte exporter_en_ped{"Exporter en PED", "Export as PED"};
inline const Texte nom_ped{"famille.ped", "family.ped"};
inline const Texte filtre_ped{"Pedigree PED (*.ped)", "PED pedigree (*.ped)"};
// A teacher's view of the class: "Outils › Classe…" and "--classe".
inline const Texte classe_titre{"Classe", "Class"};
inline const Texte colonne_eleve{"Élève", "Pupil"};
inline const Texte colonne_genes{"Gènes", "Genes"};
inline const Texte colonne_individus{"Individus", "Individuals"};
inline const Texte colonne_generations{"Générations", "Generations"};
inline const Texte colonne_troisieme_generation{"3e génération", "3rd generation"};
inline const Texte colonne_enonces{"Énoncés", "Statements"};
inline const Texte colonne_coches{"Cochés", "Ticked"};
inline const Texte colonne_bien{"Bien", "Marked right"};
inline const Texte colonne_faux{"Faux", "Marked wrong"};
inline const Texte colonne_questions{"Génotypes demandés", "Genotypes asked"};
inline const Texte colonne_justes{"Réponses justes", "Right answers"};
inline const Texte colonne_fausses{"Réponses fausses", "Wrong answers"};
inline const Texte colonne_score{"Score (%)", "Score (%)"};
inline const Texte bulle_colonnes_alleles{
    "Exercice des allèles : énoncés des gènes, énoncés cochés, notes du dernier « OK »",
    "Allele exercise: the genes' statements, those ticked, the marks of the last \"OK\""};
inline const Texte bulle_colonnes_genotypes{
    "Questions sur les génotypes : individus demandés, dernière réponse juste ou fausse",
    "Genotype questions: individuals asked, last answer right or wrong"};
inline const Texte bulle_score{
    "Part des réponses justes : énoncés notés « bien » et génotypes justes, sur les énoncés "
    "notés et les génotypes demandés",
    "Share of right answers: statements marked right and genotypes right, over the statements "
    "marked and the genotypes asked"};
inline const Texte oui_minuscule{"oui", "yes"};
inline const Texte non_minuscule{"non", "no"};
inline const Texte eleves_de_la_classe{"Élèves de la classe", "Pupils of the class"};
inline const Texte un_eleve{"{} élève", "{} pupil"};
inline const Texte des_eleves{"{} élèves", "{} pupils"};
inline const Texte imprimer_la_classe{"Imprimer…", "Print…"};
inline const Texte ouvrir_la_famille{"Ouvrir la famille", "Open the family"};
inline const Texte double_clic_ouvre{
    "Double-clic ou Entrée : ouvre la famille telle que l'élève l'a laissée",
    "Double click or Enter: opens the family as the pupil left it"};
inline const Texte nom_csv_classe{"classe.csv", "class.csv"};
inline const Texte familles_des_eleves{"Familles des élèves", "Pupils' families"};
inline const Texte nom_pdf_classe{"classe.pdf", "class.pdf"};
inline const Texte imprimer_en_pdf{"Aucune imprimante : enregistrer la classe en PDF",
                                   "No printer: save the class as PDF"};
inline const Texte filtre_pdf_classe{"Document PDF (*.pdf)", "PDF document (*.pdf)"};
inline const Texte impression_impossible{"L'impression n'a pas pu se faire.",
                                         "The printing could not be done."};
inline const Texte classe_imprimee_le{"Classe, {} élèves", "Class, {} pupils"};
inline const Texte commande_classe{"orvan --classe : {}", "orvan --classe: {}"};
inline const Texte option_classe_inconnue{"option inconnue {}", "unknown option {}"};
inline const Texte aucun_fichier_classe{"aucun fichier ni dossier", "no file and no folder"};
inline const Texte aucun_eleve{"aucune famille d'élève", "no pupil's family"};

// The plots.
inline const Texte enfants{"enfants", "children"};
inline const Texte proportion_titre{
    "Proportion des enfants {} à mesure que les familles s'ajoutent",
    "Proportion of the {} children as the families add up"};
inline const Texte observee{"observée", "observed"};
inline const Texte attendue{"attendue", "expected"};
inline const Texte familles_axe{"familles", "families"};
inline const Texte proportion{"proportion", "proportion"};
inline const Texte calibration_vide{"Aucune probabilité de porteur n'est montrée pour ces familles",
                                    "No carrier probability is shown for these families"};
inline const Texte calibration_titre{"Probabilité montrée et fréquence réelle des porteurs",
                                     "Probability shown and true frequency of the carriers"};
inline const Texte probabilite_montree{"probabilité de porteur montrée",
                                       "carrier probability shown"};
inline const Texte fraction_porteuse{"fraction réellement porteuse", "fraction truly carrying"};
inline const Texte diagonale{"diagonale", "diagonal"};
// One point of the calibration: the probability shown, and how many individuals were shown it.
inline const Texte point_calibration{"{} : {}", "{}: {}"};
inline const Texte un_individu{"{} individu", "{} individual"};
inline const Texte des_individus{"{} individus", "{} individuals"};
inline const Texte graphiques_indisponibles{
    "Les graphiques ne peuvent pas être montrés : le module orvan_graphiques est introuvable. "
    "Les tables restent justes.",
    "The plots cannot be shown: the orvan_graphiques module cannot be found. The tables are "
    "still right."};
inline const Texte graphiques_abimes{
    "Les graphiques ne peuvent pas être montrés : le module orvan_graphiques est là, mais abîmé "
    "ou d'une autre version ; réinstallez le programme. Les tables restent justes.",
    "The plots cannot be shown: the orvan_graphiques module is there, but damaged or of another "
    "version; install the program again. The tables are still right."};
inline const Texte graphique_png_ou_svg{"Le nom du graphique doit finir par .png ou .svg.",
                                        "The plot's name must end in .png or .svg."};

// The page in a browser: what it adds to the window's menus and dialogs.
inline const Texte page_agrandir{"Agrandir", "Zoom in"};
inline const Texte page_reduire{"Réduire", "Zoom out"};
inline const Texte page_taille_reelle{"Taille réelle", "Actual size"};
inline const Texte page_plein_ecran{"Plein écran", "Full screen"};
inline const Texte page_exporter_svg{"Image SVG", "SVG picture"};
inline const Texte page_exporter_png{"Image PNG", "PNG picture"};
inline const Texte page_exporter_titre{"Exporter l'image de la famille",
                                       "Export the family's picture"};
inline const Texte page_choisir_fichier{"Choisir un fichier…", "Choose a file…"};
inline const Texte page_deposer_fichier{"ou déposez ici un fichier .gen",
                                        "or drop a .gen file here"};
inline const Texte page_nom_fichier{"Nom du fichier", "File name"};
inline const Texte page_arbre{"Arbre de la famille", "Family tree"};
inline const Texte page_barre_menus{"Menus", "Menus"};
inline const Texte page_fichier_illisible{"{} n'a pas pu être lu.", "{} could not be read."};
inline const Texte page_fermee{"Orvan est fermé. Rechargez la page pour recommencer.",
                               "Orvan is closed. Reload the page to start again."};

// The texts of the gene bank that the window shows (gene names, comments, statements), by their
// French form; allele and phenotype symbols are the same in both languages.
Texte texte_de_la_banque(const std::string& francais);

} // namespace orvan::msg
