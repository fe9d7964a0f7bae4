// The extracting half of TreeArchive.h: each checked entry written into the
// staging folder by name relative to its folder, never through a link, with
// every write's answer read.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

#include "FolderCursor.h"
#include "TreeArchive.h"

namespace vw::tree {
namespace {

// True for a failure that only says the filesystem keeps no modes or times
// (FAT, some network filesystems): the entry is written all the same.
bool CannotKeep(int err) {
    return err == EPERM || err == ENOTSUP || err == ENOSYS || err == EINVAL;
}

class DiskEntries : public TreeVisitor {
public:
    DiskEntries(int folder, std::string shownAs, const vw::EntryTree& entries)
        : shownAs_(std::move(shownAs)), entries_(entries), cursor_(folder, entries) {}
    ~DiskEntries() override {
        if (file_ >= 0) ::close(file_);
    }
    DiskEntries(const DiskEntries&) = delete;
    DiskEntries& operator=(const DiskEntries&) = delete;

    void Entry(const vw::EntryTree& entries, uint32_t index) override {
        const vw::TreeEntry& e = entries[index];
        current_ = index;
        const int dir = cursor_.At(e.parent);
        if (dir < 0) Fail(errno);
        const char* name = e.name.c_str();
        switch (e.type) {
            case vw::EntryType::Folder:
                if (::mkdirat(dir, name, 0700) != 0) Fail(errno);
                return;
            case vw::EntryType::Link:
                if (::symlinkat(e.target.c_str(), dir, name) != 0) Fail(errno);
                Keep(::utimensat(dir, name, Times(e).data(), AT_SYMLINK_NOFOLLOW));
                return;
            case vw::EntryType::File:
                file_ =
                    ::openat(dir, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
                if (file_ < 0) Fail(errno);
                end_ = 0;
                return;
        }
    }

    void Data(const uint8_t* data, size_t n, uint64_t offset) override {
        while (n > 0) {
            const ssize_t put = ::pwrite(file_, data, n, static_cast<off_t>(offset));
            if (put < 0 && errno == EINTR) continue;
            if (put <= 0) Fail(put < 0 ? errno : ENOSPC);
            data += put;
            n -= static_cast<size_t>(put);
            offset += static_cast<uint64_t>(put);
        }
        end_ = std::max(end_, offset);
    }

    // A hole at a file's end is made by its size; then its time and mode, and
    // the close, whose answer some filesystems keep for last.
    void EntryDone() override {
        if (file_ < 0) return;
        const vw::TreeEntry& e = entries_[current_];
        if (end_ < e.size && ::ftruncate(file_, static_cast<off_t>(e.size)) != 0) Fail(errno);
        Keep(::futimens(file_, Times(e).data()));
        Keep(::fchmod(file_, e.mode));
        const int fd = file_;
        file_ = -1;
        if (::close(fd) != 0 && errno != EINTR) Fail(errno);
    }

private:
    // Access time left as it is, modification time as stored.
    static std::array<timespec, 2> Times(const vw::TreeEntry& e) {
        return {timespec{0, UTIME_OMIT}, e.modified};
    }

    void Keep(int result) {
        if (result != 0 && !CannotKeep(errno)) Fail(errno);
    }

    [[noreturn]] void Fail(int err) {
        throw ErrorFromErrno(err, VW_TEXT("Errors", "Cannot write"),
                             shownAs_ + "/" + entries_.PathOf(current_));
    }

    std::string shownAs_;
    const vw::EntryTree& entries_;
    vw::FolderCursor cursor_;
    uint32_t current_ = 0;
    int file_ = -1;
    uint64_t end_ = 0;  // where the file's written data ends
};

}  // namespace

void ExtractTree(ByteSource& source, int folder, const std::string& shownAs, vw::EntryTree& entries,
                 const Error& damaged) {
    DiskEntries disk(folder, shownAs, entries);
    ReadTree(source, entries, disk, damaged);
}

}  // namespace vw::tree
