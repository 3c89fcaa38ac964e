#pragma once

#include <sys/stat.h>

#include <functional>
#include <string>

#include "framework/fileerror.h"
#include "framework/uniquefd.h"

// The largest book the program reads. The largest book it can write (every fiscal year it
// registers, every day filled) is under 1 MB; this leaves room for long typed texts while a
// wrong file (a disk image, a device) is refused before it fills the memory.
constexpr size_t kMaxBookBytes = size_t{64} << 20;

// The folder holding path: "." for a bare name, "/" for a name at the root.
std::string DirectoryOf(const std::string& path);

// Opens a regular file for reading without waiting (a FIFO never blocks the open); anything
// else is refused as accessDenied.
[[nodiscard]] FileError OpenRegularFile(const std::string& path, UniqueFd& fd, struct stat& st);
// Reads the whole of fd (opened by OpenRegularFile, st its status); more than maxBytes is
// refused as tooLarge.
[[nodiscard]] FileError ReadOpenFile(int fd, const struct stat& st, std::string& out,
                                     size_t maxBytes);
// Reads a whole regular file of at most maxBytes.
[[nodiscard]] FileError ReadWholeFile(const std::string& path, std::string& out,
                                      size_t maxBytes = kMaxBookBytes);
// Reads the first lines of a regular file and no further: at most maxBytes, and nothing past
// the end of line number `lines`.
[[nodiscard]] FileError ReadFileHead(const std::string& path, std::string& out, size_t lines,
                                     size_t maxBytes);

// Test seam (fuzzers): answers every read of a whole file or its head from memory while set;
// nullptr restores.
using FileReader = std::function<FileError(const std::string& path, std::string& out)>;
void SetFileReaderForTesting(FileReader reader);
const FileReader& FileReaderForTesting();
