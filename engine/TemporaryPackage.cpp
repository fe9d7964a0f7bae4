#include "TemporaryPackage.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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

// True for a real folder that belongs to this user and that nobody else may enter:
// the package there holds plain contents.
bool IsPrivateFolder(const std::string& folder) {
    struct stat st {};
    return ::lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & 077) == 0;
}

std::string ChooseFolder() {
    if (const char* forced = std::getenv("VAULTWISE_TEMP_DIR"); forced && *forced) return forced;
    const std::string program = ProgramFolder();
    if (!program.empty() && ::access(program.c_str(), W_OK) == 0) return program;
    const std::string cache = CacheFolder();
    std::error_code ec;
    std::filesystem::create_directories(cache, ec);
    ::chmod(cache.c_str(), 0700);
    return IsPrivateFolder(cache) ? cache : std::string();
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
    const std::string folder = ChooseFolder();
    return folder.empty() ? folder : folder + "/TempStuf.stuf";
}

TemporaryPackage::TemporaryPackage() : path_(TemporaryPackagePath()) {
    if (path_.empty())
        throw vw::Error(vw::ErrorNumber::PermissionDenied,
                        "Permission denied: no private folder for the temporary package (the "
                        "program's folder is not writable and " +
                            CacheFolder() + " is not this user's own)");
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
    if (path.empty()) return;
    const int lock = LockFolderOf(path);
    if (lock < 0) return;
    ::unlink(path.c_str());
    ::close(lock);
}

}  // namespace modVW
