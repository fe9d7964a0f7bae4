#include "Leftovers.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
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

// How deep EmptyFolder goes: each level holds a descriptor and a small buffer.
constexpr int kMaxDepth = 128;

void EmptyBelow(int dir, int depth) {
    alignas(8) char buf[1024];
    // Removed names may shift the listing: read it again while a pass removed any.
    for (int pass = 0, removed = 1; removed && pass < 8; ++pass) {
        removed = 0;
        ::lseek(dir, 0, SEEK_SET);
        for (long got; (got = ::syscall(SYS_getdents64, dir, buf, sizeof buf)) > 0;) {
            for (long at = 0; at < got;) {
                const auto* entry = reinterpret_cast<const struct dirent64*>(buf + at);
                at += entry->d_reclen;
                const char* name = entry->d_name;
                if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) continue;
                if (::unlinkat(dir, name, 0) == 0) {
                    removed = 1;
                    continue;
                }
                if (errno != EISDIR || depth == 0) continue;
                // A folder, never a link to one: opened as it is, made writable
                // (an extracted tree may hold read-only folders), emptied, removed.
                const int sub =
                    ::openat(dir, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
                if (sub < 0) continue;
                ::fchmod(sub, 0700);
                EmptyBelow(sub, depth - 1);
                ::close(sub);
                if (::unlinkat(dir, name, AT_REMOVEDIR) == 0) removed = 1;
            }
        }
    }
}

// Removes the folder `path` with all it holds.
void RemoveFolderNow(const char* path) {
    const int dir = ::open(path, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dir < 0) return;
    EmptyFolder(dir);
    ::close(dir);
    ::rmdir(path);
}

}  // namespace

void EmptyFolder(int dir) {
    EmptyBelow(dir, kMaxDepth);
}

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
