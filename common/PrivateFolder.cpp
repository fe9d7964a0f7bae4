#include "PrivateFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "Error.h"

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

// Empties and removes the folder whose lock `fd` this process holds.
void RemoveFolder(const std::string& path, int fd) {
    const int listing = ::dup(fd);
    if (DIR* dir = listing >= 0 ? ::fdopendir(listing) : nullptr) {
        while (const dirent* e = ::readdir(dir))
            if (e->d_type != DT_DIR) ::unlinkat(::dirfd(dir), e->d_name, 0);
        ::closedir(dir);
    }
    ::rmdir(path.c_str());
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
}

PrivateFolder::~PrivateFolder() {
    RemoveFolder(path_, lock_);
    ::close(lock_);
}

void SweepStaleFolders(const std::string& parent, const std::string& prefix) {
    DIR* dir = ::opendir(parent.c_str());
    if (dir == nullptr) return;
    while (const dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name.rfind(prefix, 0) != 0) continue;
        const std::string path = parent + "/" + name;
        if (!IsOwnPrivateFolder(path)) continue;
        const int fd = LockFolder(path);
        if (fd < 0) continue;  // its run is still going
        RemoveFolder(path, fd);
        ::close(fd);
    }
    ::closedir(dir);
}

}  // namespace vw
