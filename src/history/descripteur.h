// A file descriptor closed on every way out.
#pragma once

#include <unistd.h>
#include <utility>

namespace orvan {

class Descripteur {
  public:
    explicit Descripteur(int fd) : fd_(fd) {}
    ~Descripteur() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descripteur(const Descripteur&) = delete;
    Descripteur& operator=(const Descripteur&) = delete;
    int get() const { return fd_; }
    // Closes at once: a late write error shows here.
    bool ferme() { return ::close(std::exchange(fd_, -1)) == 0; }

  private:
    int fd_;
};

} // namespace orvan
