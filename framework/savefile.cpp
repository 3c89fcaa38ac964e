#include "framework/savefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace {

std::string DirectoryOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

}  // namespace

SaveResult SaveFileAtomic(const std::string& path, std::string_view bytes, const WriteFault& fault,
                          bool flushToDisk, bool executable, const BeforeReplace& beforeReplace) {
    SaveResult result;
    if (path.empty() || path.back() == '/') {
        result.cause = FileError::badPath;
        return result;
    }
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) {
        result.cause = FileError::accessDenied;
        return result;
    }
    // An existing file that we may not write stays as it is, as a direct write would.
    // (Checked on the mode bits too, since a privileged user passes access(2) regardless.)
    if (exists && (::access(path.c_str(), W_OK) != 0 || (st.st_mode & 0222) == 0)) {
        result.cause = FileError::accessDenied;
        return result;
    }
    std::string tmpl = path + ".XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        // Nothing can be created in a folder that does not exist: the path is wrong.
        result.cause = errno == ENOENT ? FileError::badPath : FileErrorFromErrno(errno);
        return result;
    }
    result.created = true;
    const std::string tmpPath(name.data());
    auto fail = [&](int err) {
        ::close(fd);
        ::unlink(tmpPath.c_str());
        result.cause = FileErrorFromErrno(err);
        if (result.cause == FileError::none) result.cause = FileError::generic;
        return result;
    };
    // Keep the permissions a user gave the book; a new book gets the usual umask ones.
    mode_t mode = 0666;
    if (exists) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    if (executable) mode |= (mode & 0444) >> 2;
    if (::fchmod(fd, mode) != 0) return fail(errno);

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
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmpPath.c_str());
        result.cause = FileErrorFromErrno(err);
        return result;
    }
    if (beforeReplace) beforeReplace();
    if (::rename(tmpPath.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmpPath.c_str());
        result.cause = FileErrorFromErrno(err);
        return result;
    }
    if (flushToDisk) {
        // Make the rename itself durable.
        const int dfd = ::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dfd >= 0) {
            ::fsync(dfd);
            ::close(dfd);
        }
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

FileError ReadWholeFile(const std::string& path, std::string& out) {
    if (Reader()) return Reader()(path, out);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        // A missing file in a missing folder: the path, not the file, is at fault.
        if (err == ENOENT && ::access(DirectoryOf(path).c_str(), F_OK) != 0)
            return FileError::badPath;
        return FileErrorFromErrno(err);
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        ::close(fd);
        return FileErrorFromErrno(err);
    }
    if (S_ISDIR(st.st_mode)) {
        ::close(fd);
        return FileError::accessDenied;
    }
    // Read straight into the result; the size is a hint, the loop runs until end of file.
    out.assign(st.st_size > 0 ? static_cast<size_t>(st.st_size) : 0, '\0');
    size_t used = 0;
    for (;;) {
        if (used == out.size()) out.resize(out.size() + 65536);
        const ssize_t n = ::read(fd, out.data() + used, out.size() - used);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            return FileErrorFromErrno(err);
        }
        if (n == 0) break;
        used += static_cast<size_t>(n);
    }
    out.resize(used);
    ::close(fd);
    return FileError::none;
}
