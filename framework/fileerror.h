#pragma once

#include <string>

#include "framework/uitext.h"

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

// The message for a cause, naming the path as it is.
UiText FileErrorText(FileError cause, const std::string& path);

// Raised by the archive when the stream does not hold what the reader expects.
struct ArchiveException {
    enum Cause { endOfFile, badFormat } cause = endOfFile;
};
