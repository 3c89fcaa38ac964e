#include "framework/fileerror.h"

#include <cerrno>
#include <iterator>
#include <utility>

#include "framework/frameworktexts.h"

FileError FileErrorFromErrno(int err) {
    static constexpr std::pair<int, FileError> kCauses[] = {
        {0, FileError::none},
        {ENOENT, FileError::fileNotFound},
        {ENOTDIR, FileError::badPath},
        {ENAMETOOLONG, FileError::badPath},
        {ELOOP, FileError::badPath},
        {EISDIR, FileError::badPath},
        {EINVAL, FileError::badPath},
        {EMFILE, FileError::tooManyOpenFiles},
        {ENFILE, FileError::tooManyOpenFiles},
        {EACCES, FileError::accessDenied},
        {EPERM, FileError::accessDenied},
        {EROFS, FileError::accessDenied},
        {EBADF, FileError::invalidFile},
        {EBUSY, FileError::sharingViolation},
        {ETXTBSY, FileError::sharingViolation},
        {ENOLCK, FileError::lockViolation},
        {ESPIPE, FileError::badSeek},
        {EIO, FileError::hardIO},
        {ENOSPC, FileError::diskFull},
        {EDQUOT, FileError::diskFull},
        {EFBIG, FileError::diskFull},
        {EMLINK, FileError::directoryFull},
    };
    for (const auto& [code, cause] : kCauses)
        if (code == err) return cause;
    return FileError::generic;
}

UiText FileErrorText(FileError cause, const std::string& path) {
    // In the order of FileError; none says as little as generic.
    static const Sjis* const kTexts[] = {
        &texts::kFileErrGeneric,       &texts::kFileErrGeneric,   &texts::kFileErrNotFound,
        &texts::kFileErrBadPath,       &texts::kFileErrTooMany,   &texts::kFileErrAccess,
        &texts::kFileErrInvalidHandle, &texts::kFileErrRemoveDir, &texts::kFileErrDirFull,
        &texts::kFileErrBadSeek,       &texts::kFileErrHardIO,    &texts::kFileErrSharing,
        &texts::kFileErrLock,          &texts::kFileErrDiskFull,  &texts::kFileErrEndOfFile,
        &texts::kInvalidFormat,
    };
    static_assert(std::size(kTexts) == static_cast<size_t>(FileError::tooLarge) + 1);
    const auto index = static_cast<size_t>(cause);
    const Sjis& fmt = index < std::size(kTexts) ? *kTexts[index] : texts::kFileErrGeneric;
    return UiText::Format(fmt, UiText::Path(path));
}
