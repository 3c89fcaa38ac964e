#include "framework/booklock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "framework/savefile.h"

FileStamp FileStamp::Of(const struct stat& st) {
    FileStamp s;
    s.valid = true;
    s.dev = st.st_dev;
    s.ino = st.st_ino;
    s.size = st.st_size;
    s.mtimeNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return s;
}

BookLock::BookLock(BookLock&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_busy(other.m_busy), m_stamp(other.m_stamp) {}

BookLock& BookLock::operator=(BookLock&& other) noexcept {
    if (this != &other) {
        Release();
        m_fd = std::exchange(other.m_fd, -1);
        m_busy = other.m_busy;
        m_stamp = other.m_stamp;
    }
    return *this;
}

void BookLock::Release() {
    if (m_fd >= 0) ::close(m_fd);  // closing the last descriptor ends the flock
    m_fd = -1;
    m_busy = false;
    m_stamp = {};
}

bool BookLock::IsOn(const struct stat& st) const {
    struct stat mine {};
    return m_fd >= 0 && ::fstat(m_fd, &mine) == 0 && mine.st_dev == st.st_dev &&
           mine.st_ino == st.st_ino;
}

void BookLock::Adopt(int fd) {
    Release();
    m_fd = fd;
    struct stat st {};
    if (::fstat(fd, &st) == 0) m_stamp = FileStamp::Of(st);
}

bool LockedByOther(int fd) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        ::flock(fd, LOCK_UN);
        return false;
    }
    return errno == EWOULDBLOCK;
}

FileError BookLock::OpenAndRead(const std::string& path, std::string& out, size_t maxBytes,
                                const BookLock* current) {
    Release();
    if (const FileReader& reader = FileReaderForTesting()) return reader(path, out);
    // A writer replaces the book by rename: after taking the lock, make sure the name still
    // leads to the file we locked, else lock the new one.
    for (int attempt = 0; attempt < 100; ++attempt) {
        int fd = -1;
        struct stat st {};
        if (const FileError err = OpenRegularFile(path, fd, st); err != FileError::none) return err;
        // A file system without locks leaves the book usable, as before there were any.
        bool busy = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
        if (busy && current && current->IsOn(st)) {
            // A duplicate shares the lock (and the file position, hence the seek).
            const int shared = ::fcntl(current->m_fd, F_DUPFD_CLOEXEC, 0);
            if (shared >= 0 && ::lseek(shared, 0, SEEK_SET) == 0) {
                ::close(fd);
                fd = shared;
                busy = false;
            } else if (shared >= 0) {
                ::close(shared);
            }
        }
        struct stat now {};
        if (!busy && (::stat(path.c_str(), &now) != 0 || now.st_dev != st.st_dev ||
                      now.st_ino != st.st_ino)) {
            ::close(fd);
            continue;
        }
        const FileError err = ReadOpenFile(fd, st, out, maxBytes);
        if (err != FileError::none || busy) {
            ::close(fd);
            m_busy = busy;
            if (err == FileError::none) m_stamp = FileStamp::Of(st);
            return err;
        }
        m_fd = fd;
        m_stamp = FileStamp::Of(st);
        return FileError::none;
    }
    return FileError::sharingViolation;
}
