#include "framework/userfolder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home == '/') return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return {};
}

std::string UserFolder(const char* variable, const char* inHome, const std::string& below) {
    if (const char* xdg = std::getenv(variable); xdg && *xdg == '/') return xdg + below;
    const std::string home = HomeFolder();
    return home.empty() ? std::string() : home + inHome + below;
}

int MakePrivateFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0700) == 0) return 0;
    if (errno != EEXIST) return errno;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return errno;
    if (!S_ISDIR(st.st_mode)) return ENOTDIR;
    return 0;
}

int MakeFolders(const std::string& path) {
    const int err = MakePrivateFolder(path);
    const size_t slash = path.rfind('/');
    if (err != ENOENT || slash == 0 || slash == std::string::npos) return err;
    const std::string parent = path.substr(0, slash);
    if (::mkdir(parent.c_str(), 0700) != 0 && errno != EEXIST) {
        if (errno != ENOENT) return errno;
        if (const int e = MakeFolders(parent)) return e;
    }
    return MakePrivateFolder(path);
}
