#include "ground/texte.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace orvan {

namespace {

bool suite(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Code points of bytes 0x80..0x9F; the five undefined ones keep their C1 value.
constexpr std::array<char32_t, 32> haut_cp1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void ajoute_utf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

std::size_t nb_caracteres(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        if (!suite(c)) ++n;
    return n;
}

std::string coupe(std::string_view s, std::size_t n) {
    std::size_t vus = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (!suite(static_cast<unsigned char>(s[i]))) {
            if (vus == n) return std::string(s.substr(0, i));
            ++vus;
        }
    }
    return std::string(s);
}

bool contient(std::string_view s, std::string_view motif) {
    return s.find(motif) != std::string_view::npos;
}

std::string avant(std::string_view s, char c) {
    return std::string(s.substr(0, s.find(c)));
}

void supprime_jusqua(std::string& s, char c) {
    const auto p = s.find(c);
    if (p != std::string::npos) s.erase(0, p + 1);
}

void supprime_jusqua(std::string_view& s, char c) {
    const auto p = s.find(c);
    if (p != std::string_view::npos) s.remove_prefix(p + 1);
}

int compte(std::string_view s, char c) {
    int n = 0;
    for (char x : s)
        if (x == c) ++n;
    return n;
}

std::optional<int> entier_strict(std::string_view s) {
    if (s.empty()) return std::nullopt;
    std::size_t debut = (s[0] == '+') ? 1 : 0;
    int v = 0;
    const char* fin = s.data() + s.size();
    auto [p, ec] = std::from_chars(s.data() + debut, fin, v);
    if (ec != std::errc() || p != fin || (debut == 1 && s.size() > 1 && s[1] == '-'))
        return std::nullopt;
    return v;
}

bool utf8_valide(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t n = 0;
        char32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            n = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            n = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            n = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        for (std::size_t k = 1; k <= n; ++k) {
            if (i + k >= s.size()) return false;
            const auto d = static_cast<unsigned char>(s[i + k]);
            if (!suite(d)) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        const char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
        if (cp < minimum[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += n + 1;
    }
    return true;
}

std::string cp1252_vers_utf8(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char x : s) {
        const auto c = static_cast<unsigned char>(x);
        if (c < 0x80)
            out += x;
        else if (c < 0xA0)
            ajoute_utf8(out, haut_cp1252[c - 0x80]);
        else
            ajoute_utf8(out, c);
    }
    return out;
}

std::string utf8_vers_cp1252(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        char32_t cp = c;
        std::size_t n = 0;
        if (c >= 0xF0)
            n = 3, cp = c & 0x07;
        else if (c >= 0xE0)
            n = 2, cp = c & 0x0F;
        else if (c >= 0xC0)
            n = 1, cp = c & 0x1F;
        for (std::size_t k = 1; k <= n && i + k < s.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        i += n + 1;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        char remplace = '?';
        for (std::size_t k = 0; k < haut_cp1252.size(); ++k)
            if (haut_cp1252[k] == cp) remplace = static_cast<char>(0x80 + k);
        out += remplace;
    }
    return out;
}

std::string bulle_lisible(std::string_view hint) {
    const auto separateur = hint.find("//");
    if (separateur == std::string_view::npos) return std::string(hint);
    std::string lisible;
    for (std::string_view g : {hint.substr(0, separateur), hint.substr(separateur + 2)}) {
        if (g.empty() || g == ",") continue;
        if (!lisible.empty()) lisible += "\n";
        lisible += g;
    }
    return lisible;
}

std::string texte_des_octets(std::string octets) {
    if (utf8_valide(octets)) return octets;
    return cp1252_vers_utf8(octets);
}

std::size_t nombre_de_lignes(std::string_view texte) {
    std::size_t nb = 0;
    pour_chaque_ligne(texte, [&](std::size_t, std::size_t) { ++nb; });
    return nb;
}

std::vector<std::string> coupe_en_lignes(std::string_view texte) {
    std::vector<std::string> lignes;
    lignes.reserve(nombre_de_lignes(texte));
    pour_chaque_ligne(
        texte, [&](std::size_t debut, std::size_t n) { lignes.emplace_back(texte, debut, n); });
    return lignes;
}

std::vector<std::string> lignes_du_texte(std::string_view octets) {
    return coupe_en_lignes(texte_des_octets(std::string(octets.substr(0, octets.find('\0')))));
}

std::string texte_des_lignes(const std::vector<std::string>& lignes) {
    std::string texte;
    for (const auto& l : lignes)
        texte += l + "\r\n";
    std::string simple = utf8_vers_cp1252(texte);
    // Single bytes only when they read back as this very text: "Ã©" in single bytes is valid
    // UTF-8 and would come back as "é".
    if (texte_des_octets(simple) == texte) return simple;
    return texte;
}

} // namespace orvan
