#include "framework/readfile.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

std::string DirectoryOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

namespace {
FileReader& Reader() {
    static FileReader reader;
    return reader;
}
}  // namespace

void SetFileReaderForTesting(FileReader reader) { Reader() = std::move(reader); }
const FileReader& FileReaderForTesting() { return Reader(); }

FileError OpenRegularFile(const std::string& path, UniqueFd& fd, struct stat& st) {
    fd.Reset(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd) {
        const int err = errno;
        // A missing file in a missing folder: the path, not the file, is at fault.
        if (err == ENOENT && ::access(DirectoryOf(path).c_str(), F_OK) != 0)
            return FileError::badPath;
        return FileErrorFromErrno(err);
    }
    FileError err = FileError::none;
    if (::fstat(fd.Get(), &st) != 0)
        err = FileErrorFromErrno(errno);
    else if (!S_ISREG(st.st_mode))
        err = FileError::accessDenied;  // a folder, device, FIFO or socket is never a book
    if (err != FileError::none) fd.Reset();
    return err;
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
    UniqueFd fd;
    struct stat st {};
    if (const FileError err = OpenRegularFile(path, fd, st); err != FileError::none) return err;
    return ReadOpenFile(fd.Get(), st, out, maxBytes);
}

FileError ReadFileHead(const std::string& path, std::string& out, size_t lines, size_t maxBytes) {
    if (Reader()) return Reader()(path, out);
    UniqueFd fd;
    struct stat st {};
    if (const FileError err = OpenRegularFile(path, fd, st); err != FileError::none) return err;
    bool truncated = false;
    return ReadUpTo(fd.Get(), st, out, maxBytes, lines, truncated);
}
