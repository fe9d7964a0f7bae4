#include "TemporaryPackage.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace modVW {
namespace {

std::string ProgramFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

std::string CacheFolder() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    const char* home = std::getenv("HOME");
    std::string base = cache && *cache ? cache : std::string(home ? home : "/tmp") + "/.cache";
    return base + "/moravi-vaultwise";
}

std::string ChooseFolder() {
    if (const char* forced = std::getenv("VAULTWISE_TEMP_DIR"); forced && *forced) return forced;
    const std::string program = ProgramFolder();
    if (!program.empty() && ::access(program.c_str(), W_OK) == 0) return program;
    const std::string cache = CacheFolder();
    std::error_code ec;
    std::filesystem::create_directories(cache, ec);
    std::filesystem::permissions(cache, std::filesystem::perms::owner_all, ec);
    return cache;
}

}  // namespace

std::string TemporaryPackagePath() {
    return ChooseFolder() + "/TempStuf.stuf";
}

TemporaryPackage::TemporaryPackage() : path_(TemporaryPackagePath()) {
    ::unlink(path_.c_str());
}

TemporaryPackage::~TemporaryPackage() {
    ::unlink(path_.c_str());
}

}  // namespace modVW
