#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <string>

#include "framework/fileerror.h"

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

    bool Held() const { return m_fd >= 0; }
    // Set by OpenAndRead: another program held the book, which was read without the lock.
    bool Busy() const { return m_busy; }
    // Whether this lock is on the file st describes.
    bool IsOn(const struct stat& st) const;
    // Takes over fd, an open and locked descriptor of the file that now holds the book.
    void Adopt(int fd);
    void Release();
    // The book's file as last read or written through this lock.
    const FileStamp& Stamp() const { return m_stamp; }

private:
    int m_fd = -1;
    bool m_busy = false;
    FileStamp m_stamp;
};

// Whether another program holds the lock of the regular file st describes (opened as fd).
bool LockedByOther(int fd);
