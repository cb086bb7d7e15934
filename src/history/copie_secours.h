// The recovery copy of a window's log: while the family is unsaved, its log is also kept in a
// file of the user's data folder, lengthened (and flushed to the disk) after each action, so that
// a crash or a power cut loses nothing. Each window holds a lock on its own copy for as long as
// it lives: the copies that nobody holds were left by a program that ended without saving.
#pragma once

#include <string>
#include <vector>

namespace orvan {

class CopieSecours {
  public:
    CopieSecours() = default;
    ~CopieSecours();
    CopieSecours(const CopieSecours&) = delete;
    CopieSecours& operator=(const CopieSecours&) = delete;

    // The copy holds these lines afterwards, in `dossier` (made when missing): when it already
    // held their beginning only the new lines are appended, otherwise it is written again.
    // False when it cannot be written.
    bool garde(const std::string& dossier, const std::vector<std::string>& lignes);
    // The family is saved or given up: its copy goes.
    void efface();
    const std::string& chemin() const { return chemin_; }

  private:
    bool cree(const std::string& dossier);
    bool ecrit(const std::vector<std::string>& lignes, std::size_t depuis);
    int fd_ = -1;
    std::string chemin_;
    // What the file holds, when it is known to hold exactly that.
    std::vector<std::string> ecrites_;
    bool sure_ = false;
};

// The copies in `dossier` that no living window holds, the latest first.
struct CopieLaissee {
    std::string chemin;
    // When it was last written, local time: "2026-12-08 10:20".
    std::string date;
};
std::vector<CopieLaissee> copies_laissees(const std::string& dossier);
// A copy that cannot be read back is set aside under another name, never offered again.
void met_de_cote(const std::string& chemin);
// A copy taken back or given up.
void supprime_copie(const std::string& chemin);

} // namespace orvan
