#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "framework/fileerror.h"

class BookLock;

// Writes a whole file so that the previous one survives any failure: the bytes go to an
// unnamed temporary file beside the target, are flushed to disk, and only then replace the
// target by rename. On failure nothing is left behind and the target is untouched.
struct SaveResult {
    FileError cause = FileError::none;
    bool created = false;  // false: the file could not even be created
    // The save succeeded, but the lock it was given could not be taken on the new file (a file
    // system without locks): the lock no longer claims the book, so the next save checks for
    // another writer as it does for a book opened without the lock.
    bool lockLost = false;
    explicit operator bool() const { return cause == FileError::none; }
};

// Test seam: called before each write(2) with the offset and the length about to be written.
// It may shorten the length (a partial write); a non-zero errno makes that write fail with it.
using WriteFault = std::function<int(size_t offset, size_t& length)>;

// Called once the new bytes are safely on disk, just before they replace the file: the last
// moment at which the previous content can still be read (the book's backup generation).
using BeforeReplace = std::function<void()>;

// How a save is made. Written with designated initialisers: {.flushToDisk = false}.
struct SaveOptions {
    WriteFault fault{};  // test seam, see WriteFault
    // false: the bytes are not forced to disk (a test or benchmark that makes many files).
    bool flushToDisk = true;
    // The file may also be run by whoever may read it (a desktop shortcut).
    bool executable = false;
    // The writer's lock on the book: a target another program holds locked is refused
    // (sharingViolation), and on success the lock moves to the new file.
    BookLock* lock = nullptr;
    BeforeReplace beforeReplace{};
};

// A link is followed and its target written; the link stays. Only a regular file (or a new
// name) is written. An existing file keeps its owner, group, permissions (never set-uid or
// set-gid) and extended attributes as far as the process may set them.
[[nodiscard]] SaveResult SaveFileAtomic(const std::string& path, std::string_view bytes,
                                        const SaveOptions& options = {});

// Writes a new file under a name that does not exist yet, complete or not at all. A name that
// exists (a link included, even one that leads nowhere) is never replaced: existed is set and
// nothing is written.
[[nodiscard]] SaveResult SaveNewFile(const std::string& path, std::string_view bytes,
                                     bool& existed);
