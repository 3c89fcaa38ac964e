#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <string>

#include "framework/fileerror.h"
#include "framework/uniquefd.h"

// What a file on disk was when we last read or wrote it: whether another program has since
// replaced or changed it.
struct FileStamp {
    bool valid = false;
    uint64_t dev = 0, ino = 0;
    int64_t size = 0, mtimeNs = 0;
    static FileStamp Of(const struct stat& st);
    bool operator==(const FileStamp&) const = default;
};

// The lock that keeps a book to one writer: an advisory flock(2) on the book's file, held for
// as long as the book is open for writing. It belongs to the open file, so it ends with the
// process, crash included; no lock file is left behind. A save moves it to the new file before
// that file takes the book's name.
class BookLock {
public:
    BookLock() = default;
    ~BookLock() { Release(); }
    BookLock(BookLock&& other) noexcept;
    BookLock& operator=(BookLock&& other) noexcept;
    BookLock(const BookLock&) = delete;
    BookLock& operator=(const BookLock&) = delete;

    // Opens path (a regular file only), takes the lock when no other program holds it, and
    // reads the whole file, refusing more than maxBytes (FileError::tooLarge). A file that
    // current already holds (the same window opening its own book again) is shared with it.
    FileError OpenAndRead(const std::string& path, std::string& out, size_t maxBytes,
                          const BookLock* current = nullptr);

    // Whether the book's file is open here. Where the file system has no locks it is open
    // without one.
    bool Held() const { return static_cast<bool>(m_fd); }
    // Set by OpenAndRead: another program held the book, which was read without the lock.
    bool Busy() const { return m_busy; }
    // Whether this lock is taken on the file st describes.
    bool IsOn(const struct stat& st) const;
    // Takes over fd, an open descriptor of the file that now holds the book, and whether its
    // lock is taken.
    void Adopt(UniqueFd fd, bool locked);
    void Release();
    // The book's file as last read or written through this lock.
    const FileStamp& Stamp() const { return m_stamp; }

private:
    UniqueFd m_fd;
    bool m_locked = false;
    bool m_busy = false;
    FileStamp m_stamp;
};

// Whether another program holds the lock of the regular file opened as fd.
bool LockedByOther(int fd);
// The same for the file at path; false when it cannot be opened.
bool FileLockedByOther(const std::string& path);
