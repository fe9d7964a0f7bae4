#include "TemporaryPackage.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "Error.h"
#include "Leftovers.h"

namespace modVW {
namespace {

constexpr const char* kRunPrefix = ".vaultwise-temp-";
constexpr const char* kPackageName = "TempStuf.stuf";

std::string currentPackage;  // of this process's running operation

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

// An exclusive lock on the folder `path`, held through the returned descriptor;
// -1 when another process holds it or the folder is gone.
int LockFolder(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// True while `fd` is still the folder at `path` (a sweep may have removed it
// between its creation and its lock).
bool StillThere(int fd, const std::string& path) {
    struct stat held {
    }, now{};
    return ::fstat(fd, &held) == 0 && held.st_nlink > 0 && ::lstat(path.c_str(), &now) == 0 &&
           now.st_ino == held.st_ino && now.st_dev == held.st_dev;
}

// Empties and removes an operation folder whose lock `fd` this process holds.
void RemoveRunFolder(const std::string& path, int fd) {
    if (DIR* dir = ::fdopendir(::dup(fd))) {
        while (const dirent* e = ::readdir(dir))
            if (e->d_type != DT_DIR) ::unlinkat(::dirfd(dir), e->d_name, 0);
        ::closedir(dir);
    }
    ::rmdir(path.c_str());
}

void SweepStaleFolders(const std::string& base) {
    DIR* dir = ::opendir(base.c_str());
    if (dir == nullptr) return;
    while (const dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name.rfind(kRunPrefix, 0) != 0) continue;
        const std::string path = base + "/" + name;
        if (!IsPrivateFolder(path)) continue;
        const int fd = LockFolder(path);
        if (fd < 0) continue;  // its operation is still running
        RemoveRunFolder(path, fd);
        ::close(fd);
    }
    ::closedir(dir);
}

}  // namespace

std::string TemporaryPackagePath() {
    return currentPackage;
}

TemporaryPackage::TemporaryPackage() {
    const std::string base = BaseFolder();
    if (base.empty())
        throw vw::Error(vw::ErrorNumber::PermissionDenied,
                        "Permission denied: no private folder for the temporary package (the "
                        "program's folder is not writable and " +
                            CacheFolder() + " is not this user's own)");
    SweepStaleFolders(base);
    for (int attempt = 0; attempt < 10 && lock_ < 0; ++attempt) {
        std::string pattern = base + "/" + kRunPrefix + "XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr)
            throw vw::ErrorFromErrno(errno, "Cannot create a temporary folder in", base);
        lock_ = LockFolder(pattern);
        if (lock_ >= 0 && !StillThere(lock_, pattern)) {
            ::close(lock_);
            lock_ = -1;
        }
        folder_ = pattern;
    }
    if (lock_ < 0)
        throw vw::Error(vw::ErrorNumber::PermissionDenied,
                        "Permission denied: cannot lock a temporary folder in '" + base + "'");
    path_ = folder_ + "/" + kPackageName;
    currentPackage = path_;
    leftover_ = vw::Leftovers::Remember(path_.c_str());
}

TemporaryPackage::~TemporaryPackage() {
    vw::Leftovers::Forget(leftover_);
    currentPackage.clear();
    RemoveRunFolder(folder_, lock_);
    ::close(lock_);
}

void RemoveLeftoverPackage() {
    if (const std::string base = BaseFolder(); !base.empty()) SweepStaleFolders(base);
}

}  // namespace modVW
