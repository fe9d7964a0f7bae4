#include "Error.h"

#include <cerrno>
#include <cstring>

namespace vw {

Error::Error(int number, Text description)
    : std::runtime_error(description.English()),
      number_(number),
      message_(std::move(description)),
      description_(what()) {}

Text ErrorReport(int number, Text description) {
    return Text(VW_TEXT("Errors", "Error %1 - %2"),
                {std::to_string(number), std::move(description)});
}

std::string Error::Report() const {
    return ReportText().English();
}

Text Error::ReportText() const {
    return ErrorReport(number_, message_);
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

Error ErrorFromErrno(int err, Text what, const std::string& path) {
    return ErrorFromErrno(err, std::move(what), Text(MessagePath(path)));
}

Error ErrorFromErrno(int err, Text what, Text thing) {
    return Error(NumberForErrno(err),
                 Text(VW_TEXT("Errors", "%1 '%2': %3"),
                      {std::move(what), std::move(thing), std::strerror(err)}));
}

}  // namespace vw
