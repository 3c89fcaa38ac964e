#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "framework/fileerror.h"

// Writes a whole file so that the previous one survives any failure: the bytes go to a
// temporary file beside the target, are flushed to disk, and only then replace the target
// by rename. On failure the temporary file is removed and the target is untouched.
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

// executable: the file may also be run by whoever may read it (a desktop shortcut).
SaveResult SaveFileAtomic(const std::string& path, std::string_view bytes,
                          const WriteFault& fault = nullptr, bool flushToDisk = true,
                          bool executable = false, const BeforeReplace& beforeReplace = nullptr);

// Reads a whole file; on failure returns the cause.
FileError ReadWholeFile(const std::string& path, std::string& out);

// Test seam (fuzzers): answers every ReadWholeFile from memory while set; nullptr restores.
using FileReader = std::function<FileError(const std::string& path, std::string& out)>;
void SetFileReaderForTesting(FileReader reader);
