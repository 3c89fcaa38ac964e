#pragma once

#include <sys/stat.h>

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
    explicit operator bool() const { return cause == FileError::none; }
};

// Test seam: called before each write(2) with the offset and the length about to be written.
// It may shorten the length (a partial write); a non-zero errno makes that write fail with it.
using WriteFault = std::function<int(size_t offset, size_t& length)>;

// Called once the new bytes are safely on disk, just before they replace the file: the last
// moment at which the previous content can still be read (the book's backup generation).
using BeforeReplace = std::function<void()>;

// The largest book the program reads. The largest book it can write (every fiscal year it
// registers, every day filled) is under 1 MB; this leaves room for long typed texts while a
// wrong file (a disk image, a device) is refused before it fills the memory.
constexpr size_t kMaxBookBytes = size_t{64} << 20;

// A link is followed and its target written; the link stays. Only a regular file (or a new
// name) is written. An existing file keeps its owner, group, permissions (never set-uid or
// set-gid) and extended attributes as far as the process may set them.
// executable: the file may also be run by whoever may read it (a desktop shortcut).
// lock: the writer's lock on the book; a target another program holds locked is refused
// (sharingViolation), and on success the lock moves to the new file.
SaveResult SaveFileAtomic(const std::string& path, std::string_view bytes,
                          const WriteFault& fault = nullptr, bool flushToDisk = true,
                          bool executable = false, BookLock* lock = nullptr,
                          const BeforeReplace& beforeReplace = nullptr);

// Writes a new file under a name that does not exist yet, complete or not at all. A name that
// exists (a link included, even one that leads nowhere) is never replaced: existed is set and
// nothing is written.
SaveResult SaveNewFile(const std::string& path, std::string_view bytes, bool& existed);

// Opens a regular file for reading without waiting (a FIFO never blocks the open); anything
// else is refused as accessDenied.
FileError OpenRegularFile(const std::string& path, int& fd, struct stat& st);
// Reads the whole of fd (opened by OpenRegularFile, st its status); more than maxBytes is
// refused as tooLarge.
FileError ReadOpenFile(int fd, const struct stat& st, std::string& out, size_t maxBytes);
// Reads a whole regular file of at most maxBytes.
FileError ReadWholeFile(const std::string& path, std::string& out, size_t maxBytes = kMaxBookBytes);
// Reads the first lines of a regular file and no further: at most maxBytes, and nothing past
// the end of line number `lines`.
FileError ReadFileHead(const std::string& path, std::string& out, size_t lines, size_t maxBytes);

// Test seam (fuzzers): answers every read of a whole file or its head from memory while set;
// nullptr restores.
using FileReader = std::function<FileError(const std::string& path, std::string& out)>;
void SetFileReaderForTesting(FileReader reader);
const FileReader& FileReaderForTesting();
