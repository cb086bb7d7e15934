// The browser's file system has no extended attributes: every call says so, as a file system
// without them does, and a save then copies none.
#include <cerrno>
#include <sys/types.h>
#include <sys/xattr.h>

namespace {

ssize_t non_pris_en_charge() {
    errno = ENOTSUP;
    return -1;
}

} // namespace

extern "C" {

ssize_t listxattr(const char*, char*, size_t) {
    return non_pris_en_charge();
}
ssize_t flistxattr(int, char*, size_t) {
    return non_pris_en_charge();
}
ssize_t getxattr(const char*, const char*, void*, size_t) {
    return non_pris_en_charge();
}
int fsetxattr(int, const char*, const void*, size_t, int) {
    return static_cast<int>(non_pris_en_charge());
}
int fremovexattr(int, const char*) {
    return static_cast<int>(non_pris_en_charge());
}
}
