#include "framework/booklock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "framework/readfile.h"

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
    : m_fd(std::move(other.m_fd)),
      m_locked(std::exchange(other.m_locked, false)),
      m_busy(other.m_busy),
      m_stamp(other.m_stamp) {}

BookLock& BookLock::operator=(BookLock&& other) noexcept {
    if (this != &other) {
        Release();
        m_fd = std::move(other.m_fd);
        m_locked = std::exchange(other.m_locked, false);
        m_busy = other.m_busy;
        m_stamp = other.m_stamp;
    }
    return *this;
}

void BookLock::Release() {
    m_fd.Reset();  // closing the last descriptor ends the flock
    m_locked = false;
    m_busy = false;
    m_stamp = {};
}

bool BookLock::IsOn(const struct stat& st) const {
    struct stat mine {};
    return m_fd && m_locked && ::fstat(m_fd.Get(), &mine) == 0 && mine.st_dev == st.st_dev &&
           mine.st_ino == st.st_ino;
}

void BookLock::Adopt(UniqueFd fd, bool locked) {
    Release();
    m_fd = std::move(fd);
    m_locked = m_fd && locked;
    struct stat st {};
    if (m_fd && ::fstat(m_fd.Get(), &st) == 0) m_stamp = FileStamp::Of(st);
}

bool LockedByOther(int fd) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        ::flock(fd, LOCK_UN);
        return false;
    }
    return errno == EWOULDBLOCK;
}

bool FileLockedByOther(const std::string& path) {
    const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    return fd && LockedByOther(fd.Get());
}

FileError BookLock::OpenAndRead(const std::string& path, std::string& out, size_t maxBytes,
                                const BookLock* current) {
    Release();
    if (const FileReader& reader = FileReaderForTesting()) return reader(path, out);
    // A writer replaces the book by rename: after taking the lock, make sure the name still
    // leads to the file we locked, else lock the new one.
    for (int attempt = 0; attempt < 100; ++attempt) {
        UniqueFd fd;
        struct stat st {};
        if (const FileError err = OpenRegularFile(path, fd, st); err != FileError::none) return err;
        // A file system without locks leaves the book usable, as before there were any.
        bool locked = ::flock(fd.Get(), LOCK_EX | LOCK_NB) == 0;
        bool busy = !locked && errno == EWOULDBLOCK;
        if (busy && current && current->IsOn(st)) {
            // A duplicate shares the lock (and the file position, hence the seek).
            UniqueFd shared(::fcntl(current->m_fd.Get(), F_DUPFD_CLOEXEC, 0));
            if (shared && ::lseek(shared.Get(), 0, SEEK_SET) == 0) {
                fd = std::move(shared);
                locked = true;
                busy = false;
            }
        }
        struct stat now {};
        if (!busy &&
            (::stat(path.c_str(), &now) != 0 || now.st_dev != st.st_dev || now.st_ino != st.st_ino))
            continue;
        const FileError err = ReadOpenFile(fd.Get(), st, out, maxBytes);
        if (err != FileError::none || busy) {
            m_busy = busy;
            if (err == FileError::none) m_stamp = FileStamp::Of(st);
            return err;
        }
        m_fd = std::move(fd);
        m_locked = locked;
        m_stamp = FileStamp::Of(st);
        return FileError::none;
    }
    return FileError::sharingViolation;
}
