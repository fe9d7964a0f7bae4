#include "PathLookup.h"

#include <filesystem>
#include <system_error>

#include "Procedures.h"

namespace vwui {

namespace {

namespace fs = std::filesystem;

bool IsHidden(const std::string& path) {
    const std::string name = modVW::LastName(path);
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
