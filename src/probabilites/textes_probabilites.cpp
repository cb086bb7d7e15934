#include "probabilites/textes_probabilites.h"

#include "ground/messages.h"

namespace orvan {

std::string fraction(const Rationnel& p) {
    return en_texte(p);
}

Texte fraction_et_pourcentage(const Rationnel& p) {
    if (p == 0 || p == 1) return Texte::tel_quel(fraction(p));
    // The percentage to the nearest whole number; never 0 % nor 100 % for what may or may not be.
    const Rationnel q = p * 100 + Rationnel(1, 2);
    const Entier pour_cent = partie_entiere(q);
    const std::string texte = pour_cent == 0     ? "< 1"
                              : pour_cent == 100 ? "> 99"
                                                 : en_texte(pour_cent);
    return msg::fraction_pour_cent.avec({Texte::tel_quel(fraction(p)), Texte::tel_quel(texte)});
}

Texte message_contradiction(const Contradiction& c, const std::string& nom_individu) {
    if (c.numero == 0) return msg::famille_impossible;
    const Texte nom = Texte::tel_quel(nom_individu), fait = Texte::tel_quel(c.texte);
    return (c.genotype ? msg::genotype_impossible : msg::phenotype_impossible).avec({fait, nom});
}

} // namespace orvan
