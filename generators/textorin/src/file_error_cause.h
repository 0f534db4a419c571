// The cause number shown in the "Error Number %d" messages: an errno value mapped to
// the class library's file-exception causes.
#pragma once

namespace textorin {

enum class FileErrorCause : int {
    None = 0,
    Generic = 1,
    FileNotFound = 2,
    BadPath = 3,
    TooManyOpenFiles = 4,
    AccessDenied = 5,
    InvalidFile = 6,
    RemoveCurrentDir = 7,
    DirectoryFull = 8,
    BadSeek = 9,
    HardIO = 10,
    SharingViolation = 11,
    LockViolation = 12,
    DiskFull = 13,
    EndOfFile = 14,
};

FileErrorCause FileErrorCauseFromErrno(int errnoValue);

}  // namespace textorin
