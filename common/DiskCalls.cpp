#include "DiskCalls.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace vw::disk {
namespace {

int RenamePaths(const char* from, const char* to, unsigned flags) {
    return flags == 0 ? ::rename(from, to) : ::renameat2(AT_FDCWD, from, AT_FDCWD, to, flags);
}

}  // namespace

int (*Fsync)(int fd) = ::fsync;
int (*Fchmod)(int fd, mode_t mode) = ::fchmod;
int (*Rename)(const char* from, const char* to, unsigned flags) = RenamePaths;

}  // namespace vw::disk
