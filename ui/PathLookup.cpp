#include "PathLookup.h"

#include <filesystem>
#include <system_error>

namespace vwui {

namespace {

namespace fs = std::filesystem;

// The last name of the path; a trailing "/" does not count as the end of it.
std::string LastName(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsHidden(const std::string& path) {
    const std::string name = LastName(path);
    return !name.empty() && name.front() == '.';
}

// The kind of entry the path names, following links; not_found when it cannot be told.
fs::file_type KindOf(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    return error ? fs::file_type::not_found : status.type();
}

}  // namespace

bool IsOrdinaryFile(const std::string& path) {
    return !path.empty() && !IsHidden(path) && KindOf(path) == fs::file_type::regular;
}

bool IsOrdinaryFolder(const std::string& path) {
    return !path.empty() && !IsHidden(path) && KindOf(path) == fs::file_type::directory;
}

}  // namespace vwui
