#include "TemporaryPackage.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "Error.h"
#include "Leftovers.h"
#include "PrivateFolder.h"

namespace modVW {
namespace {

constexpr const char* kRunPrefix = ".vaultwise-temp-";

std::string currentPackage;  // of this process's running operation
std::string lastPackage;     // of its latest operation

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

// True for a real folder that belongs to this user and that nobody else may enter.
bool IsPrivateFolder(const std::string& folder) {
    struct stat st {};
    return ::lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & 077) == 0;
}

// The folder that holds the operations' folders; "" when there is none to use.
std::string BaseFolder() {
    if (const char* forced = std::getenv("VAULTWISE_TEMP_DIR"); forced && *forced) return forced;
    const std::string program = ProgramFolder();
    if (!program.empty() && ::access(program.c_str(), W_OK) == 0) return program;
    const std::string cache = CacheFolder();
    std::error_code ec;
    std::filesystem::create_directories(cache, ec);
    ::chmod(cache.c_str(), 0700);
    return IsPrivateFolder(cache) ? cache : std::string();
}

}  // namespace

std::string TemporaryPackagePath() {
    return currentPackage;
}

std::string LastTemporaryPackagePath() {
    return lastPackage;
}

TemporaryPackage::TemporaryPackage() {
    const std::string base = BaseFolder();
    if (base.empty())
        throw vw::Error(vw::ErrorNumber::PermissionDenied,
                        "Permission denied: no private folder for the temporary package (the "
                        "program's folder is not writable and " +
                            CacheFolder() + " is not this user's own)");
    vw::SweepStaleFolders(base, kRunPrefix);
    folder_ = std::make_unique<vw::PrivateFolder>(base, kRunPrefix);
    path_ = folder_->Path() + "/" + kTemporaryPackageName;
    currentPackage = lastPackage = path_;
    leftover_ = vw::Leftovers::Remember(path_.c_str());
}

TemporaryPackage::~TemporaryPackage() {
    vw::Leftovers::Forget(leftover_);
    currentPackage.clear();
}

void RemoveLeftoverPackage() {
    if (const std::string base = BaseFolder(); !base.empty())
        vw::SweepStaleFolders(base, kRunPrefix);
}

}  // namespace modVW
