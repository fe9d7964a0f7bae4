#include "PrivateFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "Error.h"
#include "Leftovers.h"
#include "TemporaryFile.h"

namespace vw {
namespace {

// A file that every folder of this program holds, with this user's secret in it,
// so that a sweep never empties a folder that merely has a similar name.
constexpr const char* kMarker = ".vaultwise-folder";
constexpr std::string_view kSecretPrefix = ".vaultwise-secret-";
constexpr std::string_view kDeepPrefix = ".vaultwise-deep-";  // see Leftovers::EmptyFolder
constexpr size_t kSecretLength = 32;

bool IsOwnPrivateFolder(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & 077) == 0;
}

// The cache folder, made this user's only; "" when it cannot be.
std::string OwnCacheFolder() {
    const std::string cache = CacheBase();
    std::error_code ec;
    std::filesystem::create_directories(cache, ec);
    ::chmod(cache.c_str(), 0700);
    return IsOwnPrivateFolder(cache) ? cache : std::string();
}

// An exclusive lock on the folder `name` in `parent`, held through the returned
// descriptor; -1 when another process holds it or the folder is gone.
int LockFolder(int parent, const char* name) {
    const int fd = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// True while `fd` is still the folder `name` in `parent`: a sweep may have
// removed it between its creation and its lock.
bool StillThere(int fd, int parent, const char* name) {
    struct stat held {
    }, now{};
    return ::fstat(fd, &held) == 0 && held.st_nlink > 0 &&
           ::fstatat(parent, name, &now, AT_SYMLINK_NOFOLLOW) == 0 && now.st_ino == held.st_ino &&
           now.st_dev == held.st_dev;
}

// "<prefix>" and the six letters or digits the folder's name has after it.
bool IsRunName(std::string_view name, std::string_view prefix) {
    if (name.size() != prefix.size() + 6 || name.substr(0, prefix.size()) != prefix) return false;
    return std::all_of(name.begin() + static_cast<long>(prefix.size()), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

// `n` letters and digits from the system's random source.
std::string RandomLetters(size_t n) {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string bytes(n, '\0');
    for (size_t got = 0; got < n;) {
        const ssize_t r = ::getrandom(bytes.data() + got, n - got, 0);
        if (r < 0 && errno == EINTR) continue;
        if (r < 0)
            throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot read"),
                                 VW_TEXT("Errors", "the system's random source"));
        got += static_cast<size_t>(r);
    }
    for (char& c : bytes)
        c = kLetters[static_cast<unsigned char>(c) % (sizeof kLetters - 1)];
    return bytes;
}

// The small file `name` in `dir` when it is a regular file of this user's that
// nobody else can read; "" otherwise.
std::string ReadOwnFile(int dir, const char* name) {
    const int fd = ::openat(dir, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return "";
    struct stat st {};
    char buf[64];
    ssize_t n = -1;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
        (st.st_mode & 077) == 0)
        n = ::read(fd, buf, sizeof buf);
    ::close(fd);
    return n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string();
}

// Reads this user's secret, making it first when there is none. Another run may
// make it at the same moment: each writes a file of its own and links it into
// place, and the link that lands first holds the secret both read.
std::string LoadOrMakeSecret() {
    std::string folder = OwnCacheFolder();
    if (folder.empty()) folder = PrivateBase();
    const int dir =
        folder.empty() ? -1 : ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return "";
    const std::string name = std::string(kSecretPrefix) + std::to_string(::geteuid());
    std::string secret = ReadOwnFile(dir, name.c_str());
    if (secret.size() != kSecretLength) {
        const std::string mine = name + "." + std::to_string(::getpid());
        const int fd = ::openat(dir, mine.c_str(),
                                O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
        try {
            const std::string made = RandomLetters(kSecretLength);
            if (fd >= 0 && ::write(fd, made.data(), made.size()) == ssize_t{kSecretLength})
                (void)::linkat(dir, mine.c_str(), dir, name.c_str(), 0);
        } catch (const Error&) {  // no secret: nothing is ever swept
        }
        if (fd >= 0) ::close(fd);
        ::unlinkat(dir, mine.c_str(), 0);
        secret = ReadOwnFile(dir, name.c_str());
    }
    ::close(dir);
    return secret.size() == kSecretLength ? secret : std::string();
}

// This user's secret, read or made once a process; "" when none can be kept.
const std::string& MarkerSecret() {
    static const std::string secret = LoadOrMakeSecret();
    return secret;
}

bool HoldsMarker(int folder) {
    const std::string& secret = MarkerSecret();
    return !secret.empty() && ReadOwnFile(folder, kMarker) == secret;
}

void WriteMarker(int folder) {
    const std::string& secret = MarkerSecret();
    const int fd = ::openat(folder, kMarker, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return;
    (void)!::write(fd, secret.data(), secret.size());
    ::close(fd);
}

// Empties and removes the folder `name` in `parent`, whose lock `fd` this
// process holds: a staged tree's sub-folders too, however deep.
void RemoveFolder(int parent, const char* name, int fd) {
    Leftovers::EmptyFolder(fd);
    ::unlinkat(parent, name, AT_REMOVEDIR);
}

std::string ProgramFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

}  // namespace

PrivateFolder::PrivateFolder(const std::string& parent, const std::string& prefix) {
    const std::string folder = parent.empty() ? "." : parent;
    // Held open, the parent is found again even when someone renames it meanwhile.
    parent_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (parent_ < 0)
        throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot create a folder in"), parent);
    for (int attempt = 0; attempt < 10 && lock_ < 0; ++attempt) {
        name_ = prefix + RandomLetters(6);
        if (::mkdirat(parent_, name_.c_str(), 0700) != 0) {
            if (errno == EEXIST) continue;
            const int err = errno;
            ::close(parent_);
            throw ErrorFromErrno(err, VW_TEXT("Errors", "Cannot create a folder in"), parent);
        }
        lock_ = LockFolder(parent_, name_.c_str());
        if (lock_ >= 0 && !StillThere(lock_, parent_, name_.c_str())) {
            ::close(lock_);
            lock_ = -1;
        }
    }
    if (lock_ < 0) {
        ::close(parent_);
        throw Error(
            ErrorNumber::PermissionDenied,
            Text(VW_TEXT("Errors", "Permission denied: cannot lock a folder of its own in '%1'"),
                 {parent}));
    }
    path_ = folder + (folder.back() == '/' ? "" : "/") + name_;
    WriteMarker(lock_);
    leftover_ = Leftovers::RememberFolder(parent_, name_.c_str());
}

PrivateFolder::~PrivateFolder() {
    Leftovers::Forget(leftover_);
    RemoveFolder(parent_, name_.c_str(), lock_);
    ::close(lock_);
    ::close(parent_);
}

void SweepStaleFolders(const std::string& parent, const std::string& prefix) {
    DIR* dir = ::opendir(parent.c_str());
    if (dir == nullptr) return;
    while (const dirent* e = ::readdir(dir)) {
        if (!IsRunName(e->d_name, prefix)) continue;
        struct stat st {};
        if (::fstatat(::dirfd(dir), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid() || (st.st_mode & 077) != 0)
            continue;
        const int fd = LockFolder(::dirfd(dir), e->d_name);
        if (fd < 0) continue;  // its run is still going
        if (HoldsMarker(fd)) RemoveFolder(::dirfd(dir), e->d_name, fd);
        ::close(fd);
    }
    ::closedir(dir);
}

bool IsReservedName(std::string_view name) {
    return IsRunName(name, kRunPrefix) || IsRunName(name, kStagingPrefix) || name == kMarker ||
           name.substr(0, kDeepPrefix.size()) == kDeepPrefix ||
           name.substr(0, kSecretPrefix.size()) == kSecretPrefix ||
           IsTemporaryName(std::string(name).c_str());
}

std::string CacheBase() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    const char* home = std::getenv("HOME");
    std::string base = cache && *cache ? cache : std::string(home ? home : "/tmp") + "/.cache";
    return base + "/moravi-vaultwise";
}

std::string PrivateBase() {
    if (const char* forced = std::getenv("VAULTWISE_TEMP_DIR"); forced && *forced) return forced;
    const std::string program = ProgramFolder();
    if (!program.empty() && ::access(program.c_str(), W_OK) == 0) return program;
    return OwnCacheFolder();
}

}  // namespace vw
