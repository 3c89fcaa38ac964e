#include "framework/savefile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <random>
#include <vector>

#include "framework/booklock.h"

namespace {

std::string DirectoryOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Where a save to path writes: the file a link leads to, or path itself for a new file.
// A link that leads nowhere (dangling, looping) is a bad path: nothing is created for it.
FileError ResolveTarget(const std::string& path, std::string& target, struct stat& st,
                        bool& exists) {
    exists = false;
    target = path;
    if (::stat(path.c_str(), &st) == 0) {
        exists = true;
        char real[PATH_MAX];
        if (::realpath(path.c_str(), real) == nullptr) return FileErrorFromErrno(errno);
        target = real;
        return FileError::none;
    }
    const int err = errno;
    struct stat lst {};
    if (err == ELOOP || (::lstat(path.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode)))
        return FileError::badPath;
    // Nothing can be created in a folder that does not exist: the path is wrong.
    if (err == ENOENT || err == ENOTDIR) return FileError::none;
    return FileErrorFromErrno(err);
}

// The extended attributes (POSIX ACLs among them) of from, copied onto fd where allowed.
void CopyXattrs(const std::string& from, int fd) {
    const ssize_t size = ::listxattr(from.c_str(), nullptr, 0);
    if (size <= 0) return;
    std::vector<char> names(static_cast<size_t>(size));
    const ssize_t got = ::listxattr(from.c_str(), names.data(), names.size());
    if (got <= 0) return;
    for (size_t at = 0; at < static_cast<size_t>(got);) {
        const char* name = names.data() + at;
        at += std::char_traits<char>::length(name) + 1;
        const ssize_t len = ::getxattr(from.c_str(), name, nullptr, 0);
        if (len < 0) continue;
        std::vector<char> value(static_cast<size_t>(len) + 1);
        const ssize_t n = ::getxattr(from.c_str(), name, value.data(), value.size());
        if (n >= 0) ::fsetxattr(fd, name, value.data(), static_cast<size_t>(n), 0);
    }
}

std::string RandomSuffix() {
    static std::mt19937_64 gen{std::random_device{}()};
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string s;
    for (int i = 0; i < 8; ++i) s += kChars[gen() % (sizeof kChars - 1)];
    return s;
}

// Whether name is one a save gives its temporary for the instant before the rename (or gave
// it, in earlier versions, for the whole backup step): ".vpx" and six or eight letters.
bool IsTemporaryName(std::string_view name) {
    if (name.substr(0, 4) != ".vpx" || (name.size() != 10 && name.size() != 12)) return false;
    for (const char c : name.substr(4))
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    return true;
}

// Removes the hidden temporaries a save into dir left when it died before its rename
// (kill -9, a power cut): complete copies of a book, password included. A save holds its
// temporary locked from creation to rename, so one nobody holds is stale; only the user's own
// regular files are touched, never through a link.
void RemoveStaleTemporaries(const std::string& dir) {
    DIR* d = ::opendir(dir.c_str());
    if (!d) return;
    const int dfd = ::dirfd(d);
    while (const dirent* e = ::readdir(d)) {
        if (!IsTemporaryName(e->d_name)) continue;
        const int fd = ::openat(dfd, e->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat st {};
        struct stat now {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::fstatat(dfd, e->d_name, &now, AT_SYMLINK_NOFOLLOW) == 0 && now.st_dev == st.st_dev &&
            now.st_ino == st.st_ino)
            ::unlinkat(dfd, e->d_name, 0);
        ::close(fd);
    }
    ::closedir(d);
}

// A new, unnamed file in dir, locked (see RemoveStaleTemporaries): a crash before it is
// linked leaves nothing on disk. Where the file system has no unnamed files, a short hidden
// name is used (tmpPath), so a book whose name is as long as names may be still gets one.
int CreateTemporary(const std::string& dir, std::string& tmpPath) {
    tmpPath.clear();
    const int fd = ::open(dir.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0) ::flock(fd, LOCK_EX | LOCK_NB);
    if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) return fd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string tmpl = dir + "/.vpxXXXXXX";
        const int named = ::mkostemp(tmpl.data(), O_CLOEXEC);
        if (named < 0) return named;
        // Another save's clean-up may have taken the name for stale between its creation and
        // the lock: then it is gone, and another is made.
        struct stat mine {};
        struct stat there {};
        if (::flock(named, LOCK_EX | LOCK_NB) == 0 && ::fstat(named, &mine) == 0 &&
            ::lstat(tmpl.c_str(), &there) == 0 && mine.st_ino == there.st_ino &&
            mine.st_dev == there.st_dev) {
            tmpPath = tmpl;
            return named;
        }
        ::close(named);
    }
    errno = EEXIST;
    return -1;
}

// Gives the unnamed file fd a short hidden name in dir, for the rename that follows.
int LinkTemporary(int fd, const std::string& dir, std::string& tmpPath) {
    const std::string proc = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tmpPath = dir + "/.vpx" + RandomSuffix();
        if (::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, tmpPath.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return 0;
        if (errno != EEXIST) break;
    }
    const int err = errno;
    tmpPath.clear();
    return err;
}

}  // namespace

SaveResult SaveFileAtomic(const std::string& path, std::string_view bytes, const WriteFault& fault,
                          bool flushToDisk, bool executable, BookLock* lock,
                          const BeforeReplace& beforeReplace) {
    SaveResult result;
    if (path.empty() || path.back() == '/') {
        result.cause = FileError::badPath;
        return result;
    }
    std::string target;
    struct stat st {};
    bool exists = false;
    if (const FileError err = ResolveTarget(path, target, st, exists); err != FileError::none) {
        result.cause = err;
        return result;
    }
    // Only a regular file is ever replaced: never a folder, a device, a FIFO or a socket.
    // An existing file that we may not write stays as it is, as a direct write would.
    // (Checked on the mode bits too, since a privileged user passes access(2) regardless.)
    if (exists &&
        (!S_ISREG(st.st_mode) || ::access(target.c_str(), W_OK) != 0 || (st.st_mode & 0222) == 0)) {
        result.cause = FileError::accessDenied;
        return result;
    }
    // A book another program holds open for writing is not overwritten behind its back.
    if (exists && lock && !lock->IsOn(st)) {
        const int probe = ::open(target.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        const bool busy = probe >= 0 && LockedByOther(probe);
        if (probe >= 0) ::close(probe);
        if (busy) {
            result.cause = FileError::sharingViolation;
            return result;
        }
    }
    const std::string dir = DirectoryOf(target);
    RemoveStaleTemporaries(dir);
    std::string tmpPath;
    const int fd = CreateTemporary(dir, tmpPath);
    if (fd < 0) {
        result.cause = errno == ENOENT ? FileError::badPath : FileErrorFromErrno(errno);
        return result;
    }
    result.created = true;
    auto fail = [&](int err) {
        ::close(fd);
        if (!tmpPath.empty()) ::unlink(tmpPath.c_str());
        result.cause = FileErrorFromErrno(err);
        if (result.cause == FileError::none) result.cause = FileError::generic;
        return result;
    };
    // Keep the owner, group and permissions a user gave the book (set-uid and set-gid are never
    // carried over); a new book gets the usual umask ones.
    mode_t mode = 0666;
    if (exists) {
        if (::fchown(fd, st.st_uid, st.st_gid) != 0) (void)!::fchown(fd, -1, st.st_gid);
        mode = st.st_mode & 0777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    if (executable) mode |= (mode & 0444) >> 2;
    if (::fchmod(fd, mode) != 0) return fail(errno);
    if (exists) CopyXattrs(target, fd);

    size_t done = 0;
    while (done < bytes.size()) {
        size_t chunk = bytes.size() - done;
        if (fault) {
            if (int err = fault(done, chunk)) return fail(err);
        }
        const ssize_t n = ::write(fd, bytes.data() + done, chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        if (n == 0) return fail(ENOSPC);
        done += static_cast<size_t>(n);
    }
    if (flushToDisk && ::fsync(fd) != 0) return fail(errno);
    // Here the previous bytes are still at target, and the new ones complete in fd. The backup
    // step comes first: the file gets a name only for the instant of the rename. (It has been
    // locked since its creation, so no other writer slips in once it holds the book's name.)
    if (beforeReplace) beforeReplace();
    if (tmpPath.empty()) {
        if (const int err = LinkTemporary(fd, dir, tmpPath)) return fail(err);
    }
    if (::rename(tmpPath.c_str(), target.c_str()) != 0) return fail(errno);
    tmpPath.clear();
    if (flushToDisk) {
        // Make the rename itself durable.
        const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dfd >= 0) {
            ::fsync(dfd);
            ::close(dfd);
        }
    }
    if (lock)
        lock->Adopt(fd);
    else
        ::close(fd);
    return result;
}

SaveResult SaveNewFile(const std::string& path, std::string_view bytes, bool& existed) {
    SaveResult result;
    struct stat st {};
    existed = ::lstat(path.c_str(), &st) == 0;
    if (path.empty() || path.back() == '/' || existed) {
        result.cause = existed ? FileError::accessDenied : FileError::badPath;
        return result;
    }
    const std::string dir = DirectoryOf(path);
    std::string tmpPath;
    const int fd = CreateTemporary(dir, tmpPath);
    if (fd < 0) {
        result.cause = errno == ENOENT ? FileError::badPath : FileErrorFromErrno(errno);
        return result;
    }
    result.created = true;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    int err = ::fchmod(fd, 0666 & ~mask) == 0 ? 0 : errno;
    for (size_t done = 0; err == 0 && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) err = n < 0 ? errno : ENOSPC;
        if (n > 0) done += static_cast<size_t>(n);
    }
    if (err == 0 && ::fsync(fd) != 0) err = errno;
    // A link never replaces: a file that took the name meanwhile stays as it is.
    if (err == 0) {
        const int linked = tmpPath.empty()
                               ? ::linkat(AT_FDCWD, ("/proc/self/fd/" + std::to_string(fd)).c_str(),
                                          AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW)
                               : ::link(tmpPath.c_str(), path.c_str());
        if (linked != 0) err = errno;
    }
    if (!tmpPath.empty()) ::unlink(tmpPath.c_str());
    ::close(fd);
    if (err == EEXIST) existed = true;
    if (err != 0) {
        result.cause = existed ? FileError::accessDenied : FileErrorFromErrno(err);
        if (result.cause == FileError::none) result.cause = FileError::generic;
        return result;
    }
    const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return result;
}

namespace {
FileReader& Reader() {
    static FileReader reader;
    return reader;
}
}  // namespace

void SetFileReaderForTesting(FileReader reader) { Reader() = std::move(reader); }
const FileReader& FileReaderForTesting() { return Reader(); }

FileError OpenRegularFile(const std::string& path, int& fd, struct stat& st) {
    fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        // A missing file in a missing folder: the path, not the file, is at fault.
        if (err == ENOENT && ::access(DirectoryOf(path).c_str(), F_OK) != 0)
            return FileError::badPath;
        return FileErrorFromErrno(err);
    }
    FileError err = FileError::none;
    if (::fstat(fd, &st) != 0)
        err = FileErrorFromErrno(errno);
    else if (!S_ISREG(st.st_mode))
        err = FileError::accessDenied;  // a folder, device, FIFO or socket is never a book
    if (err != FileError::none) {
        ::close(fd);
        fd = -1;
    }
    return err;
    return FileError::none;
}

namespace {

// Reads fd up to maxBytes, stopping early once `lines` line ends are in (0: read to the end).
// truncated: more than maxBytes was there.
FileError ReadUpTo(int fd, const struct stat& st, std::string& out, size_t maxBytes, size_t lines,
                   bool& truncated) {
    // A regular file's size is known: one that is too large is refused without reading it.
    truncated = lines == 0 && st.st_size > 0 && static_cast<uint64_t>(st.st_size) > maxBytes;
    if (truncated) return FileError::none;
    // Read straight into the result; the size is a hint, the loop runs until end of file.
    const size_t hint = st.st_size > 0 ? static_cast<size_t>(st.st_size) : 0;
    out.assign(lines ? std::min<size_t>(hint, 65536) : std::min(hint, maxBytes + 1), '\0');
    size_t used = 0, seen = 0;
    for (;;) {
        if (used == out.size()) out.resize(std::min(out.size() + 65536, maxBytes + 1));
        if (used == out.size()) {
            truncated = true;
            break;
        }
        const ssize_t n = ::read(fd, out.data() + used, out.size() - used);
        if (n < 0) {
            if (errno == EINTR) continue;
            return FileErrorFromErrno(errno);
        }
        if (n == 0) break;
        if (lines) {
            seen += static_cast<size_t>(std::count(out.data() + used, out.data() + used + n, '\n'));
            used += static_cast<size_t>(n);
            if (seen >= lines) break;
        } else {
            used += static_cast<size_t>(n);
        }
    }
    out.resize(std::min(used, maxBytes));
    return FileError::none;
}

}  // namespace

FileError ReadOpenFile(int fd, const struct stat& st, std::string& out, size_t maxBytes) {
    bool truncated = false;
    const FileError err = ReadUpTo(fd, st, out, maxBytes, 0, truncated);
    if (err == FileError::none && truncated) {
        out.clear();
        return FileError::tooLarge;
    }
    return err;
}

FileError ReadWholeFile(const std::string& path, std::string& out, size_t maxBytes) {
    if (Reader()) return Reader()(path, out);
    int fd = -1;
    struct stat st {};
    if (const FileError err = OpenRegularFile(path, fd, st); err != FileError::none) return err;
    const FileError err = ReadOpenFile(fd, st, out, maxBytes);
    ::close(fd);
    return err;
}

FileError ReadFileHead(const std::string& path, std::string& out, size_t lines, size_t maxBytes) {
    if (Reader()) return Reader()(path, out);
    int fd = -1;
    struct stat st {};
    if (const FileError err = OpenRegularFile(path, fd, st); err != FileError::none) return err;
    bool truncated = false;
    const FileError err = ReadUpTo(fd, st, out, maxBytes, lines, truncated);
    ::close(fd);
    return err;
}
