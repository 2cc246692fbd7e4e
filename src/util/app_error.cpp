#include "util/app_error.h"

#include <cerrno>

namespace vornexa {

std::string ErrorDescription(int number) {
    switch (number) {
        case err::kInvalidCall:
            return "Invalid procedure call or argument";
        case err::kOverflow:
            return "Overflow";
        case err::kOutOfMemory:
            return "Out of memory";
        case err::kBadFileNameOrNumber:
            return "Bad file name or number";
        case err::kFileNotFound:
            return "File not found";
        case err::kDeviceIo:
            return "Device I/O error";
        case err::kDiskFull:
            return "Disk full";
        case err::kInputPastEnd:
            return "Input past end of file";
        case err::kPermissionDenied:
            return "Permission denied";
        case err::kDiskNotReady:
            return "Disk not ready";
        case err::kPathFileAccess:
            return "Path/File access error";
        case err::kPathNotFound:
            return "Path not found";
        case err::kDialogCancelled:
            return "Cancel was selected.";
        default:
            return "Application-defined or object-defined error";
    }
}

AppError FileError(int errnoValue, FileOp op) {
    int number = err::kPathFileAccess;
    switch (errnoValue) {
        case ENOENT:
            number = op == FileOp::Read ? err::kFileNotFound : err::kPathNotFound;
            break;
        case ENOTDIR:
            number = err::kPathNotFound;
            break;
        case EACCES:
        case EPERM:
        case EROFS:
            number = op == FileOp::Read ? err::kPermissionDenied : err::kPathFileAccess;
            break;
        case ENOSPC:
        case EFBIG:
        case EDQUOT:
            number = err::kDiskFull;
            break;
        case EIO:
            number = err::kDeviceIo;
            break;
        case ENAMETOOLONG:
        case EINVAL:
            number = err::kBadFileNameOrNumber;
            break;
        case ENOMEM:
            number = err::kOutOfMemory;
            break;
        default:
            break;
    }
    return AppError(number, ErrorDescription(number));
}

}  // namespace vornexa
