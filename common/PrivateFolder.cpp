#include "PrivateFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "Error.h"
#include "Leftovers.h"

namespace vw {
namespace {

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

// True while `fd` is still the folder at `path`: a sweep may have removed it
// between its creation and its lock.
bool StillThere(int fd, const std::string& path) {
    struct stat held {
    }, now{};
    return ::fstat(fd, &held) == 0 && held.st_nlink > 0 && ::lstat(path.c_str(), &now) == 0 &&
           now.st_ino == held.st_ino && now.st_dev == held.st_dev;
}

// Empties and removes the folder whose lock `fd` this process holds: a staged
// tree's sub-folders too.
void RemoveFolder(const std::string& path, int fd) {
    Leftovers::EmptyFolder(fd);
    ::rmdir(path.c_str());
}

// A file that every folder of this program holds, so that a sweep never empties a
// folder of the user's that merely has a similar name.
constexpr const char* kMarker = ".vaultwise-folder";

// "<prefix>" and the six letters or digits mkdtemp puts after it.
bool IsRunName(const std::string& name, const std::string& prefix) {
    if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0)
        return false;
    return std::all_of(name.begin() + static_cast<long>(prefix.size()), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

bool HoldsMarker(int folder) {
    struct stat st {};
    return ::fstatat(folder, kMarker, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
           st.st_uid == ::geteuid();
}

std::string ProgramFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

bool IsOwnPrivateFolder(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & 077) == 0;
}

}  // namespace

PrivateFolder::PrivateFolder(const std::string& parent, const std::string& prefix) {
    for (int attempt = 0; attempt < 10 && lock_ < 0; ++attempt) {
        std::string pattern =
            parent + (parent.empty() || parent.back() != '/' ? "/" : "") + prefix + "XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr)
            throw ErrorFromErrno(errno, "Cannot create a folder in", parent);
        path_ = pattern;
        lock_ = LockFolder(path_);
        if (lock_ >= 0 && !StillThere(lock_, path_)) {
            ::close(lock_);
            lock_ = -1;
        }
    }
    if (lock_ < 0)
        throw Error(ErrorNumber::PermissionDenied,
                    "Permission denied: cannot lock a folder of its own in '" + parent + "'");
    const int marker = ::openat(lock_, kMarker, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (marker >= 0) ::close(marker);
    leftover_ = Leftovers::RememberFolder(path_.c_str());
}

PrivateFolder::~PrivateFolder() {
    Leftovers::Forget(leftover_);
    RemoveFolder(path_, lock_);
    ::close(lock_);
}

void SweepStaleFolders(const std::string& parent, const std::string& prefix) {
    DIR* dir = ::opendir(parent.c_str());
    if (dir == nullptr) return;
    while (const dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (!IsRunName(name, prefix)) continue;
        const std::string path = parent + "/" + name;
        if (!IsOwnPrivateFolder(path)) continue;
        const int fd = LockFolder(path);
        if (fd < 0) continue;  // its run is still going
        if (HoldsMarker(fd)) RemoveFolder(path, fd);
        ::close(fd);
    }
    ::closedir(dir);
}

}  // namespace vw

namespace vw {

std::string CacheBase() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    const char* home = std::getenv("HOME");
    std::string base = cache && *cache ? cache : std::string(home ? home : "/tmp") + "/.cache";
    return base + "/moravi-vaultwise";
}

std::string PrivateBase() {
    if (const char* forced = std::getenv("VAULTWISE_TEMP_DIR"); forced && *forced) return forced;
    const std::string program = ProgramFolder();
    if (!program.empty() && ::access(program.c_str(), W_OK) == 0) return program;
    const std::string cache = CacheBase();
    std::error_code ec;
    std::filesystem::create_directories(cache, ec);
    ::chmod(cache.c_str(), 0700);
    return IsOwnPrivateFolder(cache) ? cache : std::string();
}

}  // namespace vw
