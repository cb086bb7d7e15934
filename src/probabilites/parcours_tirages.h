// Every outcome of a function of draws, with its exact probability: the function is run once
// for each sequence of draws it can take, as an odometer turns, each sequence weighing the
// product of 1/n over its draws. Nothing of the rule is copied: the function itself says which
// draws it takes and what they give.
#pragma once

#include "ground/generateur.h"

#include "probabilites/rationnel.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <vector>

namespace orvan {

// A function that keeps drawing past this many draws is looked at again for a draw that it
// repeats until it likes the result.
constexpr std::size_t max_tirages_parcourus = 16;
// How many draws deep two runs must agree for a draw to be taken for a repetition.
constexpr int profondeur_repetition = 3;

struct TiragesSansFin : std::runtime_error {
    TiragesSansFin() : std::runtime_error("tirages sans fin") {}
};

namespace detail {

// Thrown by the draw past the given sequence: its range.
struct TirageDemande {
    std::uint32_t n;
};

template <class Issue> class ParcoursAvecRepetitions {
  public:
    explicit ParcoursAvecRepetitions(const std::function<Issue(const Tirage&)>& tire)
        : tire_(tire) {}

    // The outcomes after the draws of suite, each with its probability given that start.
    std::map<Issue, Rationnel> loi(std::vector<std::uint32_t>& suite) {
        const auto r = lance(suite);
        if (r.issue) return {{*r.issue, 1}};
        if (suite.size() > 4 * max_tirages_parcourus) throw TiragesSansFin();
        // A draw that brings the function back where it stood repeats: the outcome is that of
        // the other values, each as likely.
        std::vector<std::uint32_t> suites;
        for (std::uint32_t v = 0; v < r.n; ++v) {
            std::vector<std::uint32_t> apres = suite;
            apres.push_back(v);
            if (!meme_conduite(suite, apres, profondeur_repetition)) suites.push_back(v);
        }
        if (suites.empty()) throw TiragesSansFin();
        std::map<Issue, Rationnel> loi;
        for (std::uint32_t v : suites) {
            suite.push_back(v);
            for (const auto& [issue, p] : this->loi(suite))
                loi[issue] += p / static_cast<unsigned long>(suites.size());
            suite.pop_back();
        }
        return loi;
    }

  private:
    struct Fin {
        std::optional<Issue> issue;
        std::uint32_t n = 0;
    };

    Fin lance(const std::vector<std::uint32_t>& suite) {
        std::size_t lu = 0;
        const Tirage tirage = [&](std::uint32_t n) -> std::uint32_t {
            if (n == 0) return 0;
            if (lu == suite.size()) throw TirageDemande{n};
            return suite[lu++];
        };
        try {
            return {tire_(tirage), 0};
        } catch (const TirageDemande& d) {
            return {std::nullopt, d.n};
        }
    }

    bool meme_conduite(std::vector<std::uint32_t> a, std::vector<std::uint32_t> b, int k) {
        const Fin fa = lance(a), fb = lance(b);
        if (fa.issue || fb.issue) return fa.issue == fb.issue;
        if (fa.n != fb.n) return false;
        if (k == 0) return true;
        for (std::uint32_t w = 0; w < fa.n; ++w) {
            a.push_back(w);
            b.push_back(w);
            if (!meme_conduite(a, b, k - 1)) return false;
            a.pop_back();
            b.pop_back();
        }
        return true;
    }

    const std::function<Issue(const Tirage&)>& tire_;
};

} // namespace detail

namespace detail {

// Runs counted per outcome and per number of equally likely sequences before any fraction is
// made: one addition of fractions per outcome instead of one per run.
template <class Issue> class Comptage {
  public:
    // A run among sequences equally likely sequences.
    void ajoute(const Issue& issue, std::uint64_t sequences) { ++comptes_[issue][sequences]; }
    void ajoute(const Issue& issue, const Entier& sequences) {
        reste_[issue] += Rationnel(1, sequences);
    }
    std::map<Issue, Rationnel> loi() const {
        std::map<Issue, Rationnel> loi = reste_;
        for (const auto& [issue, par_sequences] : comptes_)
            for (const auto& [sequences, runs] : par_sequences) {
                Rationnel p{entier(runs), entier(sequences)};
                canonise(p);
                loi[issue] += p;
            }
        return loi;
    }

  private:
    std::map<Issue, std::map<std::uint64_t, std::uint64_t>> comptes_;
    std::map<Issue, Rationnel> reste_;
};

} // namespace detail

template <class Issue>
std::map<Issue, Rationnel> loi_des_issues(const std::function<Issue(const Tirage&)>& tire) {
    struct Cran {
        std::uint32_t valeur, n;
    };
    std::vector<Cran> crans;
    detail::Comptage<Issue> comptage;
    while (true) {
        std::size_t lu = 0;
        const Tirage tirage = [&](std::uint32_t n) -> std::uint32_t {
            if (n == 0) return 0;
            if (lu == crans.size()) {
                if (crans.size() == max_tirages_parcourus) throw TiragesSansFin();
                crans.push_back({0, n});
            }
            return crans[lu++].valeur;
        };
        Issue issue;
        try {
            issue = tire(tirage);
        } catch (const TiragesSansFin&) {
            // A draw repeated until it suits: the slower walk that recognises repetitions.
            std::vector<std::uint32_t> debut;
            return detail::ParcoursAvecRepetitions<Issue>(tire).loi(debut);
        }
        std::uint64_t sequences = 1;
        bool deborde = false;
        for (std::size_t i = 0; i < lu; ++i)
            deborde = deborde || __builtin_mul_overflow(sequences, crans[i].n, &sequences);
        if (deborde) {
            Entier grand = 1;
            for (std::size_t i = 0; i < lu; ++i)
                grand *= crans[i].n;
            comptage.ajoute(issue, grand);
        } else
            comptage.ajoute(issue, sequences);
        crans.resize(lu);
        while (!crans.empty() && crans.back().valeur + 1 == crans.back().n)
            crans.pop_back();
        if (crans.empty()) return comptage.loi();
        ++crans.back().valeur;
    }
}

} // namespace orvan
