// Writing a family's file over itself, when it cannot be replaced by another file (a second
// name, a folder we may not write in, another owner): whenever the program dies, the file reads
// as the old log or as the new one, except when the new log does not begin with the old one;
// then it reads as empty or as the new log, and the recovery copy keeps the family.
#pragma once

#include "history/enregistrement_gen.h"

#include <string>
#include <string_view>
#include <sys/types.h>

namespace orvan {

// Writes every byte at the position, through short writes and interruptions.
bool ecrit_tout(int fd, std::string_view octets, off_t position);

// The failure of a write that has just failed, the old file being intact: a full disk, or
// another error.
Enregistrement echec_d_ecriture();

// The file keeps its name, links, owner and attributes. When the new content cannot be written
// whole, the old one is written back.
Enregistrement ecrit_sur_place(const std::string& cible, std::string_view octets);

// Called with the number of each step of a write in place once it is done: the tests end the
// process there, as a crash would.
inline void (*apres_etape_sur_place)(int etape) = nullptr;

} // namespace orvan
