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

std::string MessagePath(const std::string& path) {
    constexpr size_t kMost = 240, kStart = 60;
    if (path.size() <= kMost) return path;
    // A cut never lands inside a UTF-8 sequence: continuation bytes are 10xxxxxx.
    const auto continues = [&path](size_t at) { return (path[at] & 0xC0) == 0x80; };
    size_t start = kStart, end = path.size() - (kMost - kStart);
    while (start > 0 && continues(start))
        --start;
    while (end < path.size() && continues(end))
        ++end;
    return path.substr(0, start) + "/.../" + path.substr(end);
}

Error ErrorFromErrno(int err, const std::string& what, const std::string& path) {
    return Error(NumberForErrno(err), what + " '" + MessagePath(path) + "': " + std::strerror(err));
}

}  // namespace vw
