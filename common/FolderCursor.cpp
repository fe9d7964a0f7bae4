#include "FolderCursor.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vw {
namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

std::pair<dev_t, ino_t> IdentityOf(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return {0, 0};
    return {st.st_dev, st.st_ino};
}

}  // namespace

FolderCursor::FolderCursor(int top, const EntryTree& entries)
    : top_(top), entries_(entries), fd_(top), chain_{IdentityOf(top)} {}

FolderCursor::~FolderCursor() {
    if (fd_ != top_) ::close(fd_);
}

int FolderCursor::At(uint32_t folder) {
    // Up to where the cursor's path and the folder's meet, then down by name.
    std::vector<uint32_t> down;
    uint32_t meet = folder;
    while (entries_.Level(meet) > entries_.Level(at_)) {
        down.push_back(meet);
        meet = entries_[meet].parent;
    }
    while (entries_.Level(at_) > entries_.Level(meet))
        if (!Up()) return -1;
    while (meet != at_) {
        down.push_back(meet);
        meet = entries_[meet].parent;
        if (!Up()) return -1;
    }
    for (auto it = down.rbegin(); it != down.rend(); ++it)
        if (!Down(*it)) return -1;
    return fd_;
}

bool FolderCursor::Up() {
    int up = top_;
    if (chain_.size() > 2) {
        up = ::openat(fd_, "..", kFolderFlags);
        if (up < 0) return false;
        if (IdentityOf(up) != chain_[chain_.size() - 2]) {
            ::close(up);
            errno = ESTALE;  // moved away while we were inside it
            return false;
        }
    }
    chain_.pop_back();
    ::close(fd_);
    fd_ = up;
    at_ = entries_[at_].parent;
    return true;
}

bool FolderCursor::Down(uint32_t folder) {
    const int down = ::openat(fd_, entries_[folder].name.c_str(), kFolderFlags);
    if (down < 0) return false;
    if (fd_ != top_) ::close(fd_);
    fd_ = down;
    at_ = folder;
    chain_.push_back(IdentityOf(down));
    return true;
}

}  // namespace vw
