// TreeContentBytes of TreeArchive.h: the folder walked by descriptors, one open
// at a time, so that a tree thousands of folders deep needs neither thousands of
// descriptors nor paths longer than the system takes.

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "TreeArchive.h"

namespace vw::tree {
namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// Adds up the regular files `dir` holds (links not followed) and returns the
// names of its folders.
std::vector<std::string> Look(int dir, uint64_t& total, uint64_t& entries,
                              const std::function<void()>& turn) {
    std::vector<std::string> folders;
    const int listed = ::dup(dir);
    DIR* list = listed >= 0 ? ::fdopendir(listed) : nullptr;
    if (list == nullptr) {
        if (listed >= 0) ::close(listed);
        return folders;
    }
    while (const dirent* e = ::readdir(list)) {
        const std::string name = e->d_name;
        struct stat st {};
        if (name == "." || name == ".." || ::fstatat(dir, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISREG(st.st_mode)) total += static_cast<uint64_t>(st.st_size);
        if (S_ISDIR(st.st_mode)) folders.push_back(name);
        if (++entries % 1024 == 0) turn();
    }
    ::closedir(list);
    return folders;
}

}  // namespace

uint64_t TreeContentBytes(const std::string& folder, const std::function<void()>& turn) {
    uint64_t total = 0, entries = 0;
    int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return 0;
    struct Open {  // the one descriptor, closed also when `turn` stops the walk
        int& fd;
        ~Open() {
            if (fd >= 0) ::close(fd);
        }
    } open{dir};
    // The folders still to look into, a list for each level down to the open one.
    std::vector<std::vector<std::string>> pending{Look(dir, total, entries, turn)};
    while (!pending.empty()) {
        if (pending.back().empty()) {
            pending.pop_back();
            const int up = pending.empty() ? -1 : ::openat(dir, "..", kFolderFlags);
            ::close(dir);
            dir = up;
            if (up < 0) return total;  // what cannot be walked counts no more
            continue;
        }
        const std::string name = std::move(pending.back().back());
        pending.back().pop_back();
        const int down = ::openat(dir, name.c_str(), kFolderFlags);
        if (down < 0) continue;
        ::close(dir);
        dir = down;
        pending.push_back(Look(dir, total, entries, turn));
    }
    return total;
}

}  // namespace vw::tree
