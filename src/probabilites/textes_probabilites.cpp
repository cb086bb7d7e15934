#include "probabilites/textes_probabilites.h"

namespace orvan {

std::string fraction(const mpq_class& p) {
    return p.get_str();
}

std::string fraction_et_pourcentage(const mpq_class& p) {
    if (p == 0 || p == 1) return fraction(p);
    // The percentage to the nearest whole number; never 0 % nor 100 % for what may or may not be.
    const mpq_class q = p * 100 + mpq_class(1, 2);
    mpz_class pour_cent;
    mpz_fdiv_q(pour_cent.get_mpz_t(), q.get_num_mpz_t(), q.get_den_mpz_t());
    const std::string texte = pour_cent == 0     ? "< 1"
                              : pour_cent == 100 ? "> 99"
                                                 : pour_cent.get_str();
    return fraction(p) + " (" + texte + " %)";
}

std::string message_contradiction(const Contradiction& c, const std::string& nom_individu) {
    if (c.numero == 0)
        return "Ce que montre la famille est impossible : aucun individu seul n'en est la cause.";
    if (c.genotype)
        return "Ce que montre la famille est impossible : le génotype " + c.texte +
               " saisi pour l'individu " + nom_individu +
               " ne peut pas venir de ses parents, ou ne peut pas donner ses enfants.";
    return "Ce que montre la famille est impossible : le phénotype [" + c.texte +
           "] de l'individu " + nom_individu +
           " ne peut pas venir de ses parents, ou ne peut pas donner ses enfants.";
}

} // namespace orvan
