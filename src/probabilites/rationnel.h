// The exact fractions of the probabilities. The desktop computes them with GMP; WebAssembly has
// no build of GMP here, and takes Boost's rationals, header-only, instead. Nothing else of the
// program knows which: it names Rationnel and Entier and the few functions below.
#pragma once

#include <cstdint>
#include <string>

#ifdef ORVAN_RATIONNELS_BOOST
#include <boost/multiprecision/cpp_int.hpp>
#else
#include <gmpxx.h>
#endif

namespace orvan {

#ifdef ORVAN_RATIONNELS_BOOST

using Entier = boost::multiprecision::cpp_int;
using Rationnel = boost::multiprecision::cpp_rational;

// Boost keeps every fraction in its lowest terms.
inline void canonise(Rationnel&) {}
inline Entier numerateur(const Rationnel& q) {
    return boost::multiprecision::numerator(q);
}
inline Entier denominateur(const Rationnel& q) {
    return boost::multiprecision::denominator(q);
}
inline std::string en_texte(const Entier& n) {
    return n.str();
}
inline std::string en_texte(const Rationnel& q) {
    return q.str();
}
inline double en_double(const Rationnel& q) {
    return q.convert_to<double>();
}
inline int signe(const Rationnel& q) {
    return q.sign();
}
inline Entier entier(std::uint64_t n) {
    return Entier(n);
}
// Decimal digits only.
inline Entier entier_du_texte(const std::string& chiffres) {
    return Entier(chiffres);
}
// The greatest whole number not above q.
inline Entier partie_entiere(const Rationnel& q) {
    const Entier n = numerateur(q), d = denominateur(q), r = n / d;
    return n < 0 && r * d != n ? r - 1 : r;
}

#else

using Entier = mpz_class;
using Rationnel = mpq_class;

// A fraction built from its two terms is reduced before any other use.
inline void canonise(Rationnel& q) {
    q.canonicalize();
}
inline Entier numerateur(const Rationnel& q) {
    return q.get_num();
}
inline Entier denominateur(const Rationnel& q) {
    return q.get_den();
}
inline std::string en_texte(const Entier& n) {
    return n.get_str();
}
inline std::string en_texte(const Rationnel& q) {
    return q.get_str();
}
inline double en_double(const Rationnel& q) {
    return q.get_d();
}
inline int signe(const Rationnel& q) {
    return sgn(q);
}
static_assert(sizeof(unsigned long) >= sizeof(std::uint64_t), "GMP takes counts as long");
inline Entier entier(std::uint64_t n) {
    return Entier(static_cast<unsigned long>(n));
}
inline Entier entier_du_texte(const std::string& chiffres) {
    return Entier(chiffres, 10);
}
inline Entier partie_entiere(const Rationnel& q) {
    Entier r;
    mpz_fdiv_q(r.get_mpz_t(), q.get_num_mpz_t(), q.get_den_mpz_t());
    return r;
}

#endif

} // namespace orvan
