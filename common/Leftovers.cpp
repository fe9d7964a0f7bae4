#include "Leftovers.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <csignal>
#include <cstring>

namespace vw::Leftovers {
namespace {

constexpr int kSlots = 16;
constexpr size_t kPathMax = 4096;

struct Slot {
    char path[kPathMax];
    bool folder;
    volatile sig_atomic_t used;  // set after the path is complete, cleared before reuse
};
Slot slots[kSlots];

int Register(const char* path, bool folder) {
    if (std::strlen(path) >= kPathMax) return -1;
    for (int i = 0; i < kSlots; ++i) {
        if (slots[i].used) continue;
        std::strcpy(slots[i].path, path);
        slots[i].folder = folder;
        slots[i].used = 1;
        return i;
    }
    return -1;
}

// Removes the files of `path` and the folder, with raw system calls only: opendir
// may allocate, which a signal handler must not.
void RemoveFolderNow(const char* path) {
    const int dir = ::open(path, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dir < 0) return;
    alignas(8) char buf[4096];
    // Removed names may shift the listing: read it again while a pass removed any.
    for (int pass = 0, removed = 1; removed && pass < 8; ++pass) {
        removed = 0;
        ::lseek(dir, 0, SEEK_SET);
        for (long got; (got = ::syscall(SYS_getdents64, dir, buf, sizeof buf)) > 0;) {
            for (long at = 0; at < got;) {
                const auto* entry = reinterpret_cast<const struct dirent64*>(buf + at);
                if (entry->d_type != DT_DIR && ::unlinkat(dir, entry->d_name, 0) == 0) removed = 1;
                at += entry->d_reclen;
            }
        }
    }
    ::close(dir);
    ::rmdir(path);
}

}  // namespace

int Remember(const char* path) {
    return Register(path, false);
}

int RememberFolder(const char* path) {
    return Register(path, true);
}

void Forget(int slot) {
    if (slot >= 0 && slot < kSlots) slots[slot].used = 0;
}

void RemoveAllNow() {
    for (auto& slot : slots)
        if (slot.used && !slot.folder) ::unlink(slot.path);
    for (auto& slot : slots)
        if (slot.used && slot.folder) RemoveFolderNow(slot.path);
}

}  // namespace vw::Leftovers
