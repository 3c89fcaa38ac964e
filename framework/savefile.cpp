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
#include <string>
#include <vector>

#include "framework/booklock.h"
#include "framework/readfile.h"
#include "framework/uniquefd.h"

namespace {

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
    const UniqueDir d(::opendir(dir.c_str()));
    if (!d) return;
    const int dfd = ::dirfd(d.get());
    while (const dirent* e = ::readdir(d.get())) {
        if (!IsTemporaryName(e->d_name)) continue;
        const UniqueFd fd(::openat(dfd, e->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (!fd) continue;
        struct stat st {};
        struct stat now {};
        if (::fstat(fd.Get(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
            ::flock(fd.Get(), LOCK_EX | LOCK_NB) == 0 &&
            ::fstatat(dfd, e->d_name, &now, AT_SYMLINK_NOFOLLOW) == 0 && now.st_dev == st.st_dev &&
            now.st_ino == st.st_ino)
            ::unlinkat(dfd, e->d_name, 0);
    }
}

// The file a save writes into, beside its target: a new, unnamed file, locked (see
// RemoveStaleTemporaries), so a crash before it is linked leaves nothing on disk. Where the
// file system has no unnamed files, a short hidden name is used, so a book whose name is as
// long as names may be still gets one. Whatever name it has is removed again unless it became
// the target's.
class Temporary {
public:
    Temporary() = default;
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    ~Temporary() {
        if (!m_path.empty()) ::unlink(m_path.c_str());
    }

    // Creates it in dir and says so in result: created, or what went wrong.
    bool Create(const std::string& dir, SaveResult& result) {
        result.cause = Create(dir);
        result.created = result.cause == FileError::none;
        return result.created;
    }

    // Creates it in dir; on failure, what went wrong (a missing folder is a wrong path).
    FileError Create(const std::string& dir) {
        m_fd.Reset(::open(dir.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600));
        if (m_fd) {
            m_locked = ::flock(m_fd.Get(), LOCK_EX | LOCK_NB) == 0;
            return FileError::none;
        }
        if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) CreateNamed(dir);
        if (m_fd) return FileError::none;
        return errno == ENOENT ? FileError::badPath : FileErrorFromErrno(errno);
    }

    int Fd() const { return m_fd.Get(); }
    // Whether the lock was taken on it (a file system may have no locks).
    bool Locked() const { return m_locked; }
    bool Named() const { return !m_path.empty(); }
    const std::string& Path() const { return m_path; }
    // The name is the target's now: nothing to remove.
    void Renamed() { m_path.clear(); }
    // Removes the hidden name now (the file lives on under another).
    void Unname() {
        if (!m_path.empty()) ::unlink(m_path.c_str());
        m_path.clear();
    }
    UniqueFd TakeFd() { return std::move(m_fd); }

    // Gives the unnamed file a short hidden name in dir, for the rename that follows; 0 or
    // the errno.
    int Link(const std::string& dir) {
        const std::string proc = "/proc/self/fd/" + std::to_string(m_fd.Get());
        for (int attempt = 0; attempt < 100; ++attempt) {
            m_path = dir + "/.vpx" + RandomSuffix();
            if (::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, m_path.c_str(), AT_SYMLINK_FOLLOW) == 0)
                return 0;
            if (errno != EEXIST) break;
        }
        const int err = errno;
        m_path.clear();
        return err;
    }

private:
    void CreateNamed(const std::string& dir) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string tmpl = dir + "/.vpxXXXXXX";
            UniqueFd named(::mkostemp(tmpl.data(), O_CLOEXEC));
            if (!named) return;
            // Another save's clean-up may have taken the name for stale between its creation
            // and the lock: then it is gone, and another is made.
            struct stat mine {};
            struct stat there {};
            if (::flock(named.Get(), LOCK_EX | LOCK_NB) == 0 && ::fstat(named.Get(), &mine) == 0 &&
                ::lstat(tmpl.c_str(), &there) == 0 && mine.st_ino == there.st_ino &&
                mine.st_dev == there.st_dev) {
                m_fd = std::move(named);
                m_path = tmpl;
                m_locked = true;
                return;
            }
        }
        errno = EEXIST;
    }

    UniqueFd m_fd;
    std::string m_path;
    bool m_locked = false;
};

// The process's file mode creation mask. umask(2) reads it only by setting it, which would
// race with a file another thread creates meanwhile; the kernel shows it in the process status.
mode_t ProcessUmask() {
    const UniqueFd fd(::open("/proc/self/status", O_RDONLY | O_CLOEXEC));
    std::string text;
    char buf[4096];
    for (ssize_t n = 0; fd && text.size() < 65536;) {
        n = ::read(fd.Get(), buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        text.append(buf, static_cast<size_t>(n));
    }
    const size_t at = text.find("\nUmask:");
    if (at == std::string::npos) return 022;  // the usual mask, where the kernel does not say
    return static_cast<mode_t>(std::strtoul(text.c_str() + at + 7, nullptr, 8) & 0777);
}

// Writes all of bytes to fd, asking fault before each write(2); 0 or the errno.
int WriteAll(int fd, std::string_view bytes, const WriteFault& fault) {
    size_t done = 0;
    while (done < bytes.size()) {
        size_t chunk = bytes.size() - done;
        if (fault) {
            if (const int err = fault(done, chunk)) return err;
        }
        const ssize_t n = ::write(fd, bytes.data() + done, chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return ENOSPC;
        done += static_cast<size_t>(n);
    }
    return 0;
}

// Makes a new name in dir durable.
void SyncFolder(const std::string& dir) {
    const UniqueFd dfd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dfd) ::fsync(dfd.Get());
}

SaveResult Failed(SaveResult result, int err) {
    result.cause = FileErrorFromErrno(err);
    if (result.cause == FileError::none) result.cause = FileError::generic;
    return result;
}

}  // namespace

SaveResult SaveFileAtomic(const std::string& path, std::string_view bytes,
                          const SaveOptions& options) {
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
    BookLock* const lock = options.lock;
    // A book another program holds open for writing is not overwritten behind its back.
    if (exists && lock && !lock->IsOn(st) && FileLockedByOther(target)) {
        result.cause = FileError::sharingViolation;
        return result;
    }
    const std::string dir = DirectoryOf(target);
    RemoveStaleTemporaries(dir);
    Temporary tmp;
    if (!tmp.Create(dir, result)) return result;
    const int fd = tmp.Fd();
    // Keep the owner, group and permissions a user gave the book (set-uid and set-gid are never
    // carried over); a new book gets the usual umask ones.
    mode_t mode = 0666;
    if (exists) {
        if (::fchown(fd, st.st_uid, st.st_gid) != 0) (void)!::fchown(fd, -1, st.st_gid);
        mode = st.st_mode & 0777;
    } else {
        mode &= ~ProcessUmask();
    }
    if (options.executable) mode |= (mode & 0444) >> 2;
    if (::fchmod(fd, mode) != 0) return Failed(result, errno);
    if (exists) CopyXattrs(target, fd);

    if (const int err = WriteAll(fd, bytes, options.fault)) return Failed(result, err);
    if (options.flushToDisk && ::fsync(fd) != 0) return Failed(result, errno);
    // Here the previous bytes are still at target, and the new ones complete in fd. The backup
    // step comes first: the file gets a name only for the instant of the rename. (It has been
    // locked since its creation, so no other writer slips in once it holds the book's name.)
    if (options.beforeReplace) options.beforeReplace();
    if (!tmp.Named()) {
        if (const int err = tmp.Link(dir)) return Failed(result, err);
    }
    if (::rename(tmp.Path().c_str(), target.c_str()) != 0) return Failed(result, errno);
    tmp.Renamed();
    if (options.flushToDisk) SyncFolder(dir);  // the rename itself durable
    if (lock) {
        // The book is saved either way; a lock that could not be taken is not claimed.
        const bool locked = tmp.Locked() || ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        result.lockLost = !locked;
        lock->Adopt(tmp.TakeFd(), locked);
    }
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
    Temporary tmp;
    if (!tmp.Create(dir, result)) return result;
    const int fd = tmp.Fd();
    int err = ::fchmod(fd, 0666 & ~ProcessUmask()) == 0 ? 0 : errno;
    if (err == 0) err = WriteAll(fd, bytes, nullptr);
    if (err == 0 && ::fsync(fd) != 0) err = errno;
    // A link never replaces: a file that took the name meanwhile stays as it is.
    if (err == 0) {
        const int linked = tmp.Named()
                               ? ::link(tmp.Path().c_str(), path.c_str())
                               : ::linkat(AT_FDCWD, ("/proc/self/fd/" + std::to_string(fd)).c_str(),
                                          AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW);
        if (linked != 0) err = errno;
    }
    tmp.Unname();
    if (err == EEXIST) {
        existed = true;
        result.cause = FileError::accessDenied;
        return result;
    }
    if (err != 0) return Failed(result, err);
    SyncFolder(dir);
    return result;
}
