// A draw sequence written in advance for the pure rules that take a draw callback: it answers
// the queued values in order and records the range of every draw asked.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace orvan::test {

struct TiragesScriptes {
    std::deque<std::uint32_t> valeurs;
    std::vector<std::uint32_t> demandes;

    explicit TiragesScriptes(std::deque<std::uint32_t> v) : valeurs(std::move(v)) {}

    // The callback; valid as long as this object lives.
    std::function<std::uint32_t(std::uint32_t)> tirage() {
        return [this](std::uint32_t n) -> std::uint32_t {
            demandes.push_back(n);
            // A rule that asks for more draws than written must not loop on made-up ones.
            if (valeurs.empty())
                throw std::logic_error("draw " + std::to_string(demandes.size()) + " in 0.." +
                                       std::to_string(n) + " beyond the script");
            const std::uint32_t v = valeurs.front();
            valeurs.pop_front();
            EXPECT_LT(v, n == 0 ? 1 : n) << "scripted draw " << demandes.size();
            return v;
        };
    }
};

} // namespace orvan::test
