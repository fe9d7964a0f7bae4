#include "TemporaryPackage.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "Error.h"
#include "Leftovers.h"

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

// An exclusive lock on the folder of `path`, or -1 when another process holds it.
// A folder that cannot be opened is not locked, and not refused either.
int LockFolderOf(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return ::open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

std::string TemporaryPackagePath() {
    return ChooseFolder() + "/TempStuf.stuf";
}

TemporaryPackage::TemporaryPackage() : path_(TemporaryPackagePath()) {
    lock_ = LockFolderOf(path_);
    if (lock_ < 0)
        throw vw::Error(vw::ErrorNumber::PermissionDenied,
                        "Permission denied: another Moravi Vaultwise operation is using '" + path_ +
                            "'; try again when it has finished");
    ::unlink(path_.c_str());
    leftover_ = vw::Leftovers::Remember(path_.c_str());
}

TemporaryPackage::~TemporaryPackage() {
    vw::Leftovers::Forget(leftover_);
    ::unlink(path_.c_str());
    ::close(lock_);
}

void RemoveLeftoverPackage() {
    const std::string path = TemporaryPackagePath();
    const int lock = LockFolderOf(path);
    if (lock < 0) return;
    ::unlink(path.c_str());
    ::close(lock);
}

}  // namespace modVW
