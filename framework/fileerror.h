#pragma once

#include <string>

// Causes of a failed file operation, each with its own text for the user.
enum class FileError {
    none,
    generic,
    fileNotFound,
    badPath,
    tooManyOpenFiles,
    accessDenied,
    invalidFile,
    removeCurrentDir,
    directoryFull,
    badSeek,
    hardIO,
    sharingViolation,
    lockViolation,
    diskFull,
    endOfFile,
    tooLarge,  // larger than any file of its kind could be
};

// The cause of a failed system call, from its errno.
FileError FileErrorFromErrno(int err);

// The message for a cause with %1 replaced by the path (UTF-8 path, Shift-JIS result).
std::string FileErrorText(FileError cause, const std::string& path);

// Raised by the file layer and the archive; caught and reported by the document.
struct FileException {
    FileError cause = FileError::generic;
    std::string path;
};

// Raised by the archive when the stream does not hold what the reader expects.
struct ArchiveException {
    enum Cause { endOfFile, badFormat } cause = endOfFile;
};
