// The file form of the event log: one line per line, CR LF after each.
#pragma once

#include "ground/texte.h"
#include "ground/textes.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvan {

// No history is longer than this many bytes before its first NUL, a CR LF counting as one.
inline constexpr std::size_t taille_max_fichier_gen = 16 * 1024 * 1024;

// What reading a history file gives: its lines, or the message to show. It reads like an
// optional list of lines: false on failure, * gives the lines.
struct LectureGen {
    std::vector<std::string> lignes;
    Texte erreur; // empty when the file was read

    explicit operator bool() const { return erreur.francais.empty(); }
    std::vector<std::string>& operator*() { return lignes; }
    const std::vector<std::string>& operator*() const { return lignes; }
    bool operator==(const std::vector<std::string>& autres) const {
        return erreur.francais.empty() && lignes == autres;
    }
};

// Reads up to the first NUL byte and no further. A file that cannot be read gives
// "Impossible d'ouvrir le fichier " + chemin. A file of more than taille_max_fichier_gen bytes
// (a CR LF counting as one) is refused, and so is one whose lines would take more than 20 bytes of
// memory for each byte of the file (plus 8 MiB, so that a log of a few hundred thousand empty lines
// still opens): a million empty lines cost a string each, far more than the byte that ends them. A
// pipe or a device is read without blocking: one that gives nothing to read for a second is
// refused.
LectureGen lit_fichier_gen(const std::string& chemin);

// The file's name without its directories.
std::string nom_sans_repertoire(std::string chemin);

} // namespace orvan
