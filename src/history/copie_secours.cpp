#include "history/copie_secours.h"

#include "history/descripteur.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvan {

namespace {

constexpr const char* prefixe = "famille-";
constexpr const char* suffixe = ".gen";

bool finit_par(const std::string& s, const std::string& fin) {
    return s.size() >= fin.size() && s.compare(s.size() - fin.size(), fin.size(), fin) == 0;
}

// Each folder of the path in turn, for the user alone.
bool cree_dossier(const std::string& dossier) {
    for (std::size_t p = dossier.find('/', 1);; p = dossier.find('/', p + 1)) {
        const std::string partie = dossier.substr(0, p);
        if (::mkdir(partie.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (p == std::string::npos) return true;
    }
}

bool ecrit_tout(int fd, const std::string& texte) {
    std::size_t fait = 0;
    while (fait < texte.size()) {
        const ssize_t n = ::write(fd, texte.data() + fait, texte.size() - fait);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        fait += static_cast<std::size_t>(n);
    }
    return true;
}

std::string date_locale(time_t t) {
    tm local{};
    ::localtime_r(&t, &local);
    char texte[32];
    std::strftime(texte, sizeof texte, "%Y-%m-%d %H:%M", &local);
    return texte;
}

} // namespace

CopieSecours::~CopieSecours() {
    // The file stays: a window that goes without its family being saved or given up leaves it
    // to the next start.
    if (fd_ >= 0) ::close(fd_);
}

bool CopieSecours::garde(const std::string& dossier, const std::vector<std::string>& lignes) {
    if (dossier.empty()) return false;
    if (fd_ < 0 && !cree(dossier)) return false;
    const bool suite = sure_ && lignes.size() >= ecrites_.size() &&
                       std::equal(ecrites_.begin(), ecrites_.end(), lignes.begin());
    if (suite && lignes.size() == ecrites_.size()) return true;
    sure_ = (suite || ::ftruncate(fd_, 0) == 0) && ecrit(lignes, suite ? ecrites_.size() : 0);
    if (sure_) ecrites_ = lignes;
    return sure_;
}

// A name that no other window of any program uses: the process, then the first free number.
bool CopieSecours::cree(const std::string& dossier) {
    if (!cree_dossier(dossier)) return false;
    const std::string base = dossier + "/" + prefixe + std::to_string(::getpid()) + "-";
    for (int n = 0; n < 1000; ++n) {
        const std::string chemin = base + std::to_string(n) + suffixe;
        const int fd =
            ::open(chemin.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return false;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            continue;
        }
        fd_ = fd;
        chemin_ = chemin;
        ecrites_.clear();
        sure_ = true;
        return true;
    }
    return false;
}

bool CopieSecours::ecrit(const std::vector<std::string>& lignes, std::size_t depuis) {
    std::string texte;
    for (std::size_t i = depuis; i < lignes.size(); ++i) {
        texte += lignes[i];
        texte += '\n';
    }
    return ecrit_tout(fd_, texte) && ::fdatasync(fd_) == 0;
}

void CopieSecours::efface() {
    if (fd_ < 0) return;
    ::unlink(chemin_.c_str());
    ::close(fd_);
    fd_ = -1;
    chemin_.clear();
    ecrites_.clear();
}

std::vector<CopieLaissee> copies_laissees(const std::string& dossier) {
    std::vector<std::pair<time_t, CopieLaissee>> trouvees;
    DIR* d = dossier.empty() ? nullptr : ::opendir(dossier.c_str());
    if (!d) return {};
    while (const dirent* e = ::readdir(d)) {
        const std::string nom = e->d_name;
        if (nom.rfind(prefixe, 0) != 0 || !finit_par(nom, suffixe)) continue;
        const std::string chemin = dossier + "/" + nom;
        Descripteur fd(::open(chemin.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat etat {};
        if (fd.get() < 0 || ::fstat(fd.get(), &etat) != 0 || !S_ISREG(etat.st_mode)) continue;
        // A living window holds its own.
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) continue;
        trouvees.push_back({etat.st_mtime, {chemin, date_locale(etat.st_mtime)}});
    }
    ::closedir(d);
    std::sort(trouvees.begin(), trouvees.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<CopieLaissee> copies;
    for (auto& t : trouvees)
        copies.push_back(std::move(t.second));
    return copies;
}

void met_de_cote(const std::string& chemin) {
    ::rename(chemin.c_str(), (chemin + ".endommagee").c_str());
}

void supprime_copie(const std::string& chemin) {
    ::unlink(chemin.c_str());
}

} // namespace orvan
