#include "framework/fileerror.h"

#include <cerrno>
#include <iterator>

#include "framework/frameworktexts.h"

FileError FileErrorFromErrno(int err) {
    switch (err) {
        case 0:
            return FileError::none;
        case ENOENT:
            return FileError::fileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
        case EISDIR:
        case EINVAL:
            return FileError::badPath;
        case EMFILE:
        case ENFILE:
            return FileError::tooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EROFS:
            return FileError::accessDenied;
        case EBADF:
            return FileError::invalidFile;
        case EBUSY:
        case ETXTBSY:
            return FileError::sharingViolation;
        case ENOLCK:
            return FileError::lockViolation;
        case ESPIPE:
            return FileError::badSeek;
        case EIO:
            return FileError::hardIO;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return FileError::diskFull;
        case EMLINK:
            return FileError::directoryFull;
        default:
            return FileError::generic;
    }
}

UiText FileErrorText(FileError cause, const std::string& path) {
    // In the order of FileError; none says as little as generic.
    static const std::string* const kTexts[] = {
        &texts::kFileErrGeneric,       &texts::kFileErrGeneric,   &texts::kFileErrNotFound,
        &texts::kFileErrBadPath,       &texts::kFileErrTooMany,   &texts::kFileErrAccess,
        &texts::kFileErrInvalidHandle, &texts::kFileErrRemoveDir, &texts::kFileErrDirFull,
        &texts::kFileErrBadSeek,       &texts::kFileErrHardIO,    &texts::kFileErrSharing,
        &texts::kFileErrLock,          &texts::kFileErrDiskFull,  &texts::kFileErrEndOfFile,
        &texts::kInvalidFormat,
    };
    static_assert(std::size(kTexts) == static_cast<size_t>(FileError::tooLarge) + 1);
    const auto index = static_cast<size_t>(cause);
    const std::string& fmt = index < std::size(kTexts) ? *kTexts[index] : texts::kFileErrGeneric;
    return UiText::Format(fmt, UiText::Path(path));
}
