#include "framework/fileerror.h"

#include <cerrno>

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
    const std::string* fmt = &texts::kFileErrGeneric;
    switch (cause) {
        case FileError::none:
        case FileError::generic:
            fmt = &texts::kFileErrGeneric;
            break;
        case FileError::fileNotFound:
            fmt = &texts::kFileErrNotFound;
            break;
        case FileError::badPath:
            fmt = &texts::kFileErrBadPath;
            break;
        case FileError::tooManyOpenFiles:
            fmt = &texts::kFileErrTooMany;
            break;
        case FileError::accessDenied:
            fmt = &texts::kFileErrAccess;
            break;
        case FileError::invalidFile:
            fmt = &texts::kFileErrInvalidHandle;
            break;
        case FileError::removeCurrentDir:
            fmt = &texts::kFileErrRemoveDir;
            break;
        case FileError::directoryFull:
            fmt = &texts::kFileErrDirFull;
            break;
        case FileError::badSeek:
            fmt = &texts::kFileErrBadSeek;
            break;
        case FileError::hardIO:
            fmt = &texts::kFileErrHardIO;
            break;
        case FileError::sharingViolation:
            fmt = &texts::kFileErrSharing;
            break;
        case FileError::lockViolation:
            fmt = &texts::kFileErrLock;
            break;
        case FileError::diskFull:
            fmt = &texts::kFileErrDiskFull;
            break;
        case FileError::endOfFile:
            fmt = &texts::kFileErrEndOfFile;
            break;
        case FileError::tooLarge:
            fmt = &texts::kInvalidFormat;
            break;
    }
    return UiText::Format(*fmt, UiText::Path(path));
}
