#include "TemporaryFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <random>
#include <set>

#include "DiskCalls.h"
#include "Error.h"
#include "Leftovers.h"
#include "PrivateFolder.h"

namespace vw {
namespace {

constexpr char kPrefix[] = ".vw";
constexpr char kSuffix[] = ".part";
constexpr size_t kNameLength = 3 + 8 + 5;

}  // namespace

bool IsTemporaryName(const char* name) {
    if (std::strlen(name) != kNameLength || std::strncmp(name, kPrefix, 3) != 0 ||
        std::strcmp(name + 11, kSuffix) != 0)
        return false;
    for (int i = 3; i < 11; ++i)
        if (!std::isxdigit(static_cast<unsigned char>(name[i]))) return false;
    return true;
}

namespace {

std::string ProcPath(int fd) {
    return "/proc/self/fd/" + std::to_string(fd);
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Removes `name` in the folder `dir` when it is this user's and no live writer
// holds its lock (the lock goes with the process, however it ended); true when
// it went.
bool RemoveIfStale(int dir, const char* name) {
    const int fd = ::openat(dir, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat opened {
    }, named{};
    const bool removed = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
                         opened.st_uid == ::geteuid() && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
                         ::fstatat(dir, name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
                         SameFile(opened, named) && ::unlinkat(dir, name, 0) == 0;
    ::close(fd);
    return removed;
}

// Removes the stale temporaries in `folder`; true when any stays (a live run's).
bool SweepFolder(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return false;
    bool held = false;
    while (const dirent* entry = ::readdir(dir))
        if (IsTemporaryName(entry->d_name) && !RemoveIfStale(::dirfd(dir), entry->d_name))
            held = true;
    ::closedir(dir);
    return held;
}

// The list of folders where named temporaries were made, so that a later run of
// any kind, writing anywhere, removes what a killed run left there.
std::string LedgerPath() {
    const std::string base = PrivateBase();
    return base.empty() ? "" : base + "/.vaultwise-named-temporaries";
}

// The ledger, open and locked; -1 when there is none.
int OpenLedger(int flags) {
    const std::string path = LedgerPath();
    const int fd = path.empty() ? -1 : ::open(path.c_str(), flags | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0 && ::flock(fd, LOCK_EX) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

void NoteNamedTemporaryIn(const std::string& folder) {
    const int fd = OpenLedger(O_WRONLY | O_CREAT | O_APPEND);
    if (fd < 0) return;
    std::error_code ec;
    const std::string line = std::filesystem::absolute(folder, ec).string() + "\n";
    (void)!::write(fd, line.data(), line.size());
    ::close(fd);
}

}  // namespace

void SweepNamedTemporaries() {
    const int fd = OpenLedger(O_RDWR);
    if (fd < 0) return;
    std::string text;
    char buf[4096];
    for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0 && text.size() < (1 << 20);)
        text.append(buf, static_cast<size_t>(n));
    std::set<std::string> folders, kept;
    for (size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1)
        folders.insert(text.substr(at, end - at));
    for (const auto& folder : folders)
        if (SweepFolder(folder)) kept.insert(folder);
    std::string rest;
    for (const auto& folder : kept)
        rest += folder + "\n";
    if (::ftruncate(fd, 0) == 0 && ::lseek(fd, 0, SEEK_SET) == 0)
        (void)!::write(fd, rest.data(), rest.size());
    ::close(fd);
}

void SweepStaleTemporaries(const std::string& folder) {
    static std::mutex mutex;
    static std::set<std::string> swept;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        if (!swept.insert(folder).second) return;
    }
    SweepFolder(folder);
}

TemporaryFile::TemporaryFile(const std::string& folder, const std::string& shownPath)
    : folder_(folder.empty() ? "." : folder), shownPath_(shownPath) {
    SweepStaleTemporaries(folder_);
    fd_ = disk::OpenUnnamed(folder_.c_str());
    // Placing an unnamed file needs /proc; without it, or without O_TMPFILE, a name.
    if (fd_ >= 0 && (::access(ProcPath(fd_).c_str(), F_OK) != 0 || ::flock(fd_, LOCK_EX) != 0)) {
        ::close(fd_);
        fd_ = -1;
    }
    if (fd_ < 0) OpenNamed();
}

TemporaryFile::~TemporaryFile() {
    if (named_.empty()) return;
    Leftovers::Forget(leftover_);
    ::unlink(named_.c_str());
}

std::string (*TemporaryNameForTests)() = nullptr;

std::string TemporaryFile::NameBeside() const {
    if (TemporaryNameForTests) return folder_ + "/" + TemporaryNameForTests();
    static std::mt19937 gen(std::random_device{}());
    char name[32];
    std::snprintf(name, sizeof name, "%s%08x%s", kPrefix, static_cast<unsigned>(gen()), kSuffix);
    return folder_ + "/" + name;
}

void TemporaryFile::OpenNamed() {
    for (unsigned attempt = 0;; ++attempt) {
        const std::string name = NameBeside();
        // O_EXCL never opens or follows anything that exists already.
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST && attempt < 20) continue;
        if (fd < 0) throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot write"), shownPath_);
        // Locked before anything else; a sweep that took the name meanwhile means another try.
        struct stat opened {
        }, named{};
        if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &opened) == 0 &&
            ::lstat(name.c_str(), &named) == 0 && SameFile(opened, named)) {
            fd_ = fd;
            named_ = name;
            leftover_ = Leftovers::Remember(named_.c_str());
            NoteNamedTemporaryIn(folder_);
            return;
        }
        ::close(fd);
        if (attempt >= 20)
            throw Error(ErrorNumber::PathFileAccess,
                        Text(VW_TEXT("Errors", "Cannot write '%1'"), {shownPath_}));
    }
}

void TemporaryFile::PlaceAt(const std::string& target, bool replace) {
    if (named_.empty()) {
        const std::string self = ProcPath(fd_);
        // A new file takes its name in one step, and never one that exists.
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return;
        if (errno != EEXIST)
            throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot write"), shownPath_);
        if (!replace) throw AppearedError(target);
        for (unsigned attempt = 0; named_.empty(); ++attempt) {
            const std::string name = NameBeside();
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
                named_ = name;
            else if (errno != EEXIST || attempt > 20)
                throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot write"), shownPath_);
        }
        leftover_ = Leftovers::Remember(named_.c_str());
    }
    if (replace ? disk::Rename(named_.c_str(), target.c_str(), 0) != 0
                : !MoveToFreeName(named_, target))
        throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot replace"), shownPath_);
    Leftovers::Forget(leftover_);
    named_.clear();
}

bool MoveToFreeName(const std::string& from, const std::string& to) {
    if (disk::Rename(from.c_str(), to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno == EEXIST) throw AppearedError(to);
    if (errno != EINVAL && errno != ENOSYS) return false;
    // A filesystem without the flag: a hard link fails on an existing name too.
    if (::link(from.c_str(), to.c_str()) != 0) {
        if (errno == EEXIST) throw AppearedError(to);
        return false;
    }
    ::unlink(from.c_str());
    return true;
}

Error AppearedError(const std::string& target) {
    return Error(ErrorNumber::FileExists,
                 Text(VW_TEXT("Errors",
                              "File already exists: '%1' appeared while it was written "
                              "and was not replaced"),
                      {target}));
}

}  // namespace vw
