#include "PackageExtraction.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <set>

#include "DiskCalls.h"
#include "Error.h"
#include "PathText.h"
#include "PrivateFolder.h"
#include "TemporaryFile.h"

namespace vw::stuf {
namespace {

constexpr const char* kStagingPrefix = ".vaultwise-extract-";

// The folder itself when it exists, else the nearest folder above it that does.
std::string ExistingFolder(std::string dest) {
    for (;;) {
        while (dest.size() > 1 && dest.back() == '/')
            dest.pop_back();
        struct stat st {};
        if (::stat(dest.c_str(), &st) == 0 || dest == "/" || dest == ".") return dest;
        dest = FolderOf(dest);
    }
}

uint64_t StatvfsFreeSpace(const std::string& folder) {
    struct statvfs fs {};
    if (::statvfs(folder.c_str(), &fs) != 0) throw ErrorFromErrno(errno, "Cannot open", folder);
    return static_cast<uint64_t>(fs.f_bavail) * fs.f_frsize;
}

}  // namespace

void CheckEntryName(int32_t number, const std::string& name, long nameMax) {
    std::string why;
    if (name.empty())
        why = "its name is empty";
    else if (name == "." || name == "..")
        why = "its name \"" + name + "\" is a folder step";
    else if (name.find('/') != std::string::npos)
        why = "its name \"" + name + "\" contains a folder separator";
    else if (name.find('\0') != std::string::npos)
        why = "its name contains a NUL character";
    if (!why.empty())
        throw Error(ErrorNumber::PathFileAccess,
                    "Refusing to extract file " + std::to_string(number) + ": " + why +
                        " and could be written outside the destination folder");
    if (nameMax > 0 && name.size() > static_cast<size_t>(nameMax))
        throw Error(ErrorNumber::BadFileName,
                    "Bad file name: file " + std::to_string(number) + " \"" + name + "\" has a " +
                        std::to_string(name.size()) + "-byte name; the destination takes " +
                        std::to_string(nameMax) + " bytes at most");
}

long NameMaxAt(const std::string& dest) {
    const long max = ::pathconf(ExistingFolder(dest).c_str(), _PC_NAME_MAX);
    return max > 0 ? max : NAME_MAX;
}

uint64_t CheckFreeSpace(const std::string& dest, uint64_t declared,
                        const std::function<uint64_t(const std::string&)>& freeSpace) {
    const std::string folder = ExistingFolder(dest);
    const uint64_t free = freeSpace ? freeSpace(folder) : StatvfsFreeSpace(folder);
    if (declared > free)
        throw Error(ErrorNumber::DiskFull, "Disk full: the package holds " +
                                               std::to_string(declared) + " bytes, but '" + dest +
                                               "' has only " + std::to_string(free) + " free");
    return free;
}

namespace {

// Makes `staged` reach the disk; errors name `target`.
void SyncFile(const std::string& staged, const std::string& target) {
    const int fd = ::open(staged.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    const bool synced = fd >= 0 && disk::Fsync(fd) == 0;
    const int error = errno;
    if (fd >= 0) ::close(fd);
    if (!synced) throw ErrorFromErrno(error, "Cannot write", target);
}

}  // namespace

StagingFolder::StagingFolder(const std::string& dest) : dest_(dest) {
    SweepStaleFolders(dest, kStagingPrefix);  // left by an extraction that was killed
    folder_ = std::make_unique<PrivateFolder>(dest, kStagingPrefix);
    // What is there now may be replaced (the user was asked, or said --force);
    // a name that appears while the entries are written never is.
    if (DIR* dir = ::opendir(dest.c_str())) {
        while (const dirent* e = ::readdir(dir))
            present_.insert(e->d_name);
        ::closedir(dir);
    }
}

StagingFolder::~StagingFolder() = default;

std::string StagingFolder::PathOf(const std::string& name) const {
    return JoinPath(folder_->Path(), name);
}

void StagingFolder::Commit(const std::vector<std::string>& names) {
    const std::set<std::string> staged(names.begin(), names.end());
    for (const auto& name : staged) {
        struct stat st {};
        const std::string target = JoinPath(dest_, name);
        if (::lstat(target.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
            throw Error(ErrorNumber::PathFileAccess, "Path/File access error: '" + target +
                                                         "' is a folder; no file replaces it");
    }
    std::vector<Placed> placed;
    try {
        for (const auto& name : staged)
            placed.push_back(Place(name));
        if (!placed.empty()) disk::SyncFolder(dest_, dest_);
    } catch (const Error& e) {
        throw Error(e.Number(), e.Description() + Undo(placed));
    }
}

// Moves one staged entry into the destination. A file that was there at the start
// changes places with the new one, so the old one waits in the staging folder
// until the extraction is complete; a new name is only ever taken while it is free.
StagingFolder::Placed StagingFolder::Place(const std::string& name) {
    const std::string target = JoinPath(dest_, name);
    const std::string staged = PathOf(name);
    struct stat st {};
    if (present_.count(name) && ::lstat(target.c_str(), &st) == 0) {
        // A replaced file keeps its permissions, as when it is written over, and its
        // new contents reach the disk before they take its place. A staged link (from
        // a tree) is neither changed nor opened: both would reach what it points to.
        struct stat staging {};
        const bool file = ::lstat(staged.c_str(), &staging) == 0 && S_ISREG(staging.st_mode);
        if (file && S_ISREG(st.st_mode)) ::chmod(staged.c_str(), st.st_mode & 07777);
        if (file) SyncFile(staged, target);
        if (disk::Rename(staged.c_str(), target.c_str(), RENAME_EXCHANGE) == 0)
            return {name, Placed::Exchanged};
        if (errno != EINVAL && errno != ENOSYS) throw ErrorFromErrno(errno, "Cannot write", target);
        // A filesystem that cannot exchange: replaced for good.
        if (disk::Rename(staged.c_str(), target.c_str(), 0) != 0)
            throw ErrorFromErrno(errno, "Cannot write", target);
        return {name, Placed::Replaced};
    }
    if (!MoveToFreeName(staged, target)) throw ErrorFromErrno(errno, "Cannot write", target);
    return {name, Placed::New};
}

// Puts back what `placed` changed, latest first; says what could not be.
std::string StagingFolder::Undo(const std::vector<Placed>& placed) {
    std::string kept;
    for (auto it = placed.rbegin(); it != placed.rend(); ++it) {
        const std::string target = JoinPath(dest_, it->name);
        const std::string staged = PathOf(it->name);
        const bool undone = it->how == Placed::Exchanged
                                ? disk::Rename(staged.c_str(), target.c_str(), RENAME_EXCHANGE) == 0
                            : it->how == Placed::New ? disk::Rename(target.c_str(), staged.c_str(),
                                                                    RENAME_NOREPLACE) == 0
                                                     : false;
        if (!undone) kept += (kept.empty() ? "" : ", ") + std::string("'") + target + "'";
    }
    if (kept.empty()) return "; nothing in the folder was changed";
    return "; these files were already written and stay replaced: " + kept;
}

}  // namespace vw::stuf
