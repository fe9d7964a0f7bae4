#include "DiskCalls.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "Error.h"

namespace vw::disk {
namespace {

int RenamePaths(const char* from, const char* to, unsigned flags) {
    return flags == 0 ? ::rename(from, to) : ::renameat2(AT_FDCWD, from, AT_FDCWD, to, flags);
}

int OpenTmpfile(const char* folder) {
    return ::open(folder, O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
}

}  // namespace

int (*Fsync)(int fd) = ::fsync;
int (*Fchmod)(int fd, mode_t mode) = ::fchmod;
int (*Rename)(const char* from, const char* to, unsigned flags) = RenamePaths;
int (*RenameAt)(int fromDir, const char* from, int toDir, const char* to,
                unsigned flags) = ::renameat2;
int (*SyncFilesystem)(int fd) = ::syncfs;
int (*OpenUnnamed)(const char* folder) = OpenTmpfile;

void SyncFolder(const std::string& folder, const std::string& named) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    const bool synced = Fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    if (!synced && error != EINVAL && error != ENOTSUP)
        throw ErrorFromErrno(error, VW_TEXT("Errors", "Cannot write"), named);
}

}  // namespace vw::disk
