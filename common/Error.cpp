#include "Error.h"

#include <cerrno>
#include <cstring>

namespace vw {

Error::Error(int number, std::string description)
    : std::runtime_error(description), number_(number), description_(std::move(description)) {}

std::string Error::Report() const {
    return "Error " + std::to_string(number_) + " - " + description_;
}

int NumberForErrno(int err) {
    switch (err) {
        case ENOENT:
            return ErrorNumber::FileNotFound;
        case ENOTDIR:
            return ErrorNumber::PathNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
            return ErrorNumber::PermissionDenied;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return ErrorNumber::DiskFull;
        case ENOMEM:
            return ErrorNumber::OutOfMemory;
        case EEXIST:
            return ErrorNumber::FileExists;
        default:
            return ErrorNumber::PathFileAccess;
    }
}

Error ErrorFromErrno(int err, const std::string& what, const std::string& path) {
    return Error(NumberForErrno(err), what + " '" + path + "': " + std::strerror(err));
}

}  // namespace vw
