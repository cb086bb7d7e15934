#include "history/fichier_gen.h"

#include "ui/texte.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <unistd.h>

namespace orvan {

std::vector<std::string> lignes_du_texte(std::string_view octets) {
    octets = octets.substr(0, octets.find('\0'));
    const std::string texte = utf8_valide(octets) ? std::string(octets) : cp1252_vers_utf8(octets);
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] != '\r' && texte[i] != '\n') continue;
        lignes.emplace_back(texte, debut, i - debut);
        if (texte[i] == '\r' && i + 1 < texte.size() && texte[i + 1] == '\n') ++i;
        debut = i + 1;
    }
    if (debut < texte.size()) lignes.emplace_back(texte, debut);
    return lignes;
}

std::string texte_des_lignes(const std::vector<std::string>& lignes) {
    std::string texte;
    for (const auto& l : lignes)
        texte += l + "\r\n";
    const std::string simple = utf8_vers_cp1252(texte);
    // A line outside the single-byte code page is kept whole rather than mangled.
    return cp1252_vers_utf8(simple) == texte ? simple : texte;
}

std::optional<std::vector<std::string>> lit_fichier_gen(const std::string& chemin) {
    std::error_code ec;
    if (std::filesystem::is_directory(chemin, ec)) return std::nullopt;
    std::ifstream f(chemin, std::ios::binary);
    if (!f) return std::nullopt;
    const std::string octets((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (f.bad()) return std::nullopt;
    return lignes_du_texte(octets);
}

Ecriture ecrit_fichier_gen(const std::string& chemin, const std::vector<std::string>& lignes) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::is_directory(chemin, ec)) return Ecriture::creation_impossible;
    const fs::path cible(chemin);
    fs::path temporaire = cible;
    temporaire += ".tmp" + std::to_string(::getpid());
    std::FILE* f = std::fopen(temporaire.c_str(), "wb");
    if (!f) return Ecriture::creation_impossible;
    const std::string texte = texte_des_lignes(lignes);
    const bool ecrit = std::fwrite(texte.data(), 1, texte.size(), f) == texte.size();
    const bool vide = std::fflush(f) == 0 && ::fsync(::fileno(f)) == 0;
    const bool ferme = std::fclose(f) == 0;
    if (!ecrit || !vide || !ferme) {
        fs::remove(temporaire, ec);
        return Ecriture::erreur_ecriture;
    }
    fs::rename(temporaire, cible, ec);
    if (ec) {
        fs::remove(temporaire, ec);
        return Ecriture::creation_impossible;
    }
    return Ecriture::reussie;
}

std::string nom_sans_repertoire(std::string chemin) {
    for (char sep : {'/', '\\'})
        if (const auto p = chemin.rfind(sep); p != std::string::npos) chemin.erase(0, p + 1);
    return chemin;
}

} // namespace orvan
