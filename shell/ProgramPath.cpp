#include <filesystem>
#include <system_error>

#include "ModFileExt.h"

namespace ModFileExt {

std::string ProgramPath() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : self.string();
}

}  // namespace ModFileExt
