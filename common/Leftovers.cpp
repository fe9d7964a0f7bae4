#include "Leftovers.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace vw::Leftovers {
namespace {

constexpr int kSlots = 16;
constexpr size_t kPathMax = 4096;

enum class Kind : uint8_t { File, Folder, Made };

struct Slot {
    char path[kPathMax];
    int parent;  // the folder `path` is in, for a registered folder
    Kind kind;
    volatile sig_atomic_t used;  // set after the path is complete, cleared before reuse
};
Slot slots[kSlots];

int Register(int parent, const char* path, Kind kind) {
    if (std::strlen(path) >= kPathMax) return -1;
    for (int i = 0; i < kSlots; ++i) {
        if (slots[i].used) continue;
        std::strcpy(slots[i].path, path);
        slots[i].parent = parent;
        slots[i].kind = kind;
        slots[i].used = 1;
        return i;
    }
    return -1;
}

// How deep one descent goes: each level holds a descriptor and a small buffer.
constexpr int kMaxDepth = 128;

// A name in the top folder for a folder found kMaxDepth levels down: moved up
// there, it is emptied on the next pass. Built without allocating.
void DeepName(char (&name)[32]) {
    static unsigned long moved = 0;
    char digits[24];
    int n = 0;
    for (unsigned long v = ++moved; v != 0 || n == 0; v /= 10)
        digits[n++] = static_cast<char>('0' + v % 10);
    std::strcpy(name, ".vaultwise-deep-");
    size_t at = std::strlen(name);
    while (n > 0)
        name[at++] = digits[--n];
    name[at] = '\0';
}

// Opens the folder `name` in `dir`, never through a link, and makes it ours to
// empty: an extracted tree may hold folders without read or write permission.
int OpenToEmpty(int dir, const char* name) {
    const int flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    int sub = ::openat(dir, name, flags);
    if (sub < 0 && errno == EACCES && ::fchmodat(dir, name, 0700, 0) == 0)
        sub = ::openat(dir, name, flags);
    if (sub >= 0) ::fchmod(sub, 0700);
    return sub;
}

// Empties `dir`, `depth` more levels down; folders deeper still are moved into
// `top`. True when anything was removed or moved.
bool EmptyBelow(int dir, int depth, int top) {
    alignas(8) char buf[1024];
    bool any = false;
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
                if (errno != EISDIR) continue;
                if (depth == 0) {
                    char moved[32];
                    DeepName(moved);
                    if (::renameat(dir, name, top, moved) == 0) removed = 1;
                    continue;
                }
                const int sub = OpenToEmpty(dir, name);
                if (sub < 0) continue;
                EmptyBelow(sub, depth - 1, top);
                ::close(sub);
                if (::unlinkat(dir, name, AT_REMOVEDIR) == 0) removed = 1;
            }
        }
        any = any || removed;
    }
    return any;
}

// Removes the folder `name` in `parent` with all it holds.
void RemoveFolderNow(int parent, const char* name) {
    const int dir = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dir < 0) return;
    EmptyFolder(dir);
    ::close(dir);
    ::unlinkat(parent, name, AT_REMOVEDIR);
}

}  // namespace

void EmptyFolder(int dir) {
    // Each round goes kMaxDepth levels down and moves what lies deeper up here,
    // so a tree of any depth goes in depth / kMaxDepth rounds.
    while (EmptyBelow(dir, kMaxDepth, dir)) {
    }
}

int Remember(const char* path) {
    return Register(AT_FDCWD, path, Kind::File);
}

int RememberFolder(int parent, const char* name) {
    return Register(parent, name, Kind::Folder);
}

int RememberMadeFolder(const char* path) {
    return Register(AT_FDCWD, path, Kind::Made);
}

void Forget(int slot) {
    if (slot >= 0 && slot < kSlots) slots[slot].used = 0;
}

void RemoveAllNow() {
    for (auto& slot : slots)
        if (slot.used && slot.kind == Kind::File) ::unlink(slot.path);
    for (auto& slot : slots)
        if (slot.used && slot.kind == Kind::Folder) RemoveFolderNow(slot.parent, slot.path);
    for (int i = kSlots; i-- > 0;)
        if (slots[i].used && slots[i].kind == Kind::Made) ::rmdir(slots[i].path);
}

}  // namespace vw::Leftovers
