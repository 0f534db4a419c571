#include "file_error_cause.h"

#include <cerrno>

namespace textorin {

FileErrorCause FileErrorCauseFromErrno(int errnoValue) {
    switch (errnoValue) {
        case 0:
            return FileErrorCause::None;
        case ENOENT:
            return FileErrorCause::FileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
            return FileErrorCause::BadPath;
        case EMFILE:
        case ENFILE:
            return FileErrorCause::TooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
            return FileErrorCause::AccessDenied;
        case EBADF:
            return FileErrorCause::InvalidFile;
        case EBUSY:
        case ETXTBSY:
            return FileErrorCause::SharingViolation;
        case EDEADLK:
            return FileErrorCause::LockViolation;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return FileErrorCause::DiskFull;
        case ESPIPE:
            return FileErrorCause::BadSeek;
        case EIO:
            return FileErrorCause::HardIO;
        default:
            return FileErrorCause::Generic;
    }
}

}  // namespace textorin
