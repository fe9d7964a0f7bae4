#include "StagingFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>

#include "DiskCalls.h"
#include "Error.h"
#include "FolderCursor.h"
#include "PrivateFolder.h"
#include "Signals.h"
#include "TemporaryFile.h"

namespace vw {
namespace {

// How many conflicting names a refusal spells out.
constexpr size_t kConflictsShown = 5;

// True for a failure that only says the filesystem keeps no modes or times.
bool CannotKeep(int err) {
    return err == EPERM || err == ENOTSUP || err == ENOSYS || err == EINVAL;
}

void Sync(int fd, const std::string& shown) {
    if (disk::SyncFilesystem(fd) != 0)
        throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot write"), shown);
}

// Gives folder entry `e` in `dir` its time and, with `mode`, its mode.
bool FinishFolder(int dir, const TreeEntry& e, bool mode) {
    const std::array<timespec, 2> times{timespec{0, UTIME_OMIT}, e.modified};
    const bool timed = ::utimensat(dir, e.name.c_str(), times.data(), AT_SYMLINK_NOFOLLOW) == 0 ||
                       CannotKeep(errno);
    return timed && (!mode || ::fchmodat(dir, e.name.c_str(), e.mode, 0) == 0 || CannotKeep(errno));
}

// Moves `name` from `fromDir` to `toDir` only while nothing has its name there.
bool MoveToFreeName(int fromDir, int toDir, const char* name, bool folder,
                    const std::string& shown) {
    if (disk::RenameAt(fromDir, name, toDir, name, RENAME_NOREPLACE) == 0) return true;
    if (errno == EEXIST) throw AppearedError(shown);
    if (errno != EINVAL && errno != ENOSYS) return false;
    // A filesystem without the flag: a file's hard link fails on a name that is
    // taken; a folder can only be looked for first.
    struct stat st {};
    if (folder) {
        if (::fstatat(toDir, name, &st, AT_SYMLINK_NOFOLLOW) == 0) throw AppearedError(shown);
        return disk::RenameAt(fromDir, name, toDir, name, 0) == 0;
    }
    if (::linkat(fromDir, name, toDir, name, 0) != 0) {
        if (errno == EEXIST) throw AppearedError(shown);
        return false;
    }
    return ::unlinkat(fromDir, name, 0) == 0;
}

}  // namespace

std::vector<uint32_t> Placement::Replaced() const {
    std::vector<uint32_t> replaced;
    for (const auto& move : moves)
        if (move.replaces) replaced.push_back(move.entry);
    return replaced;
}

StagingFolder::StagingFolder(const std::string& dest) : dest_(dest) {
    destFd_ = ::open(dest.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (destFd_ < 0) throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot open"), dest);
    try {
        SweepStaleFolders(dest, kStagingPrefix);  // left by extractions that were killed
        folder_ = std::make_unique<PrivateFolder>(dest, kStagingPrefix);
    } catch (...) {
        ::close(destFd_);
        throw;
    }
}

StagingFolder::~StagingFolder() {
    folder_.reset();
    ::close(destFd_);
}

int StagingFolder::Fd() const {
    return folder_->Fd();
}

// Through the open folder where /proc shows it, so that paths stay good when
// someone renames the destination meanwhile.
std::string StagingFolder::PathOf(const std::string& name) const {
    const std::string held = "/proc/self/fd/" + std::to_string(folder_->Fd());
    return (::access(held.c_str(), F_OK) == 0 ? held : folder_->Path()) + "/" + name;
}

std::string StagingFolder::Shown(const EntryTree& entries, uint32_t i) const {
    const std::string path = i == EntryTree::kTop ? "" : entries.PathOf(i);
    if (path.empty()) return dest_;
    return MessagePath(dest_ + (dest_.empty() || dest_.back() == '/' ? "" : "/") + path);
}

Placement StagingFolder::Plan(const EntryTree& entries) const {
    FolderCursor dest(destFd_, entries);
    Placement plan;
    std::vector<Text> refused;
    size_t conflicts = 0;
    // Folder by folder, each before what it holds; a folder that is moved takes
    // what it holds along, and one that is there already is looked into.
    std::vector<uint32_t> next;
    const auto lookInto = [&](uint32_t folder) {
        const auto children = entries.Children(folder);
        next.insert(next.end(), children.rbegin(), children.rend());
    };
    lookInto(EntryTree::kTop);
    while (!next.empty()) {
        const uint32_t i = next.back();
        next.pop_back();
        const TreeEntry& e = entries[i];
        const int dir = dest.At(e.parent);
        struct stat st {};
        if (dir < 0 || ::fstatat(dir, e.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (dir < 0 || errno != ENOENT)
                throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot open"), Shown(entries, i));
            plan.moves.push_back({i, false});
            continue;
        }
        const bool folder = e.type == EntryType::Folder;
        if (folder && S_ISDIR(st.st_mode)) {
            lookInto(i);  // merged
        } else if (folder || S_ISDIR(st.st_mode)) {
            if (conflicts++ < kConflictsShown)
                refused.push_back(
                    Text(!folder ? VW_TEXT("Errors", "'%1' is a folder; no file replaces it")
                         : S_ISLNK(st.st_mode)
                             ? VW_TEXT("Errors", "'%1' is a link; no folder replaces it")
                             : VW_TEXT("Errors", "'%1' is a file; no folder replaces it"),
                         {Shown(entries, i)}));
        } else {
            plan.moves.push_back({i, true});
        }
    }
    if (conflicts > kConflictsShown)
        refused.push_back(
            Text(VW_TEXT("Errors", "and %1 more"), {std::to_string(conflicts - kConflictsShown)}));
    if (!refused.empty())
        throw Error(
            ErrorNumber::PathFileAccess,
            Text(VW_TEXT("Errors", "Path/File access error: %1"), {Text::Joined(refused, "; ")}));
    return plan;
}

void StagingFolder::Commit(const EntryTree& entries, const Placement& plan) {
    const interrupts::Held held;
    FinishInnerFolders(entries, plan);
    Sync(folder_->Fd(), dest_);  // every staged file on disk before one takes a name
    FolderCursor from(folder_->Fd(), entries), to(destFd_, entries);
    std::vector<Placed> placed;
    try {
        for (const auto& move : plan.moves) {
            if (held.Arrived()) break;
            placed.push_back(Place(from, to, entries, move));
        }
        if (!placed.empty() && !held.Arrived()) Sync(destFd_, dest_);
    } catch (const Error& e) {
        throw Error(e.Number(),
                    Text::Untranslated("%1%2", {e.Message(), Undo(from, to, entries, placed)}));
    }
    if (held.Arrived()) {
        Undo(from, to, entries, placed);
        return;  // the held signal ends the process here
    }
    FinishMovedFolders(to, entries, plan);
}

// The folders inside a folder that is moved whole get their modes and times in
// the staging folder, deepest first, so that one without write or search
// permission is made so once nothing more goes into it. The moved folder itself
// must still be writable when it moves (its ".." changes): it is done last.
void StagingFolder::FinishInnerFolders(const EntryTree& entries, const Placement& plan) const {
    FolderCursor cursor(folder_->Fd(), entries);
    for (const auto& move : plan.moves) {
        if (entries[move.entry].type != EntryType::Folder) continue;
        const auto inside = entries.PreOrder(move.entry);
        for (auto it = inside.rbegin(); it + 1 < inside.rend(); ++it) {  // not the folder itself
            const uint32_t j = *it;
            if (entries[j].type != EntryType::Folder) continue;
            const int dir = cursor.At(entries[j].parent);
            if (dir < 0 || !FinishFolder(dir, entries[j], true))
                throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot write"), Shown(entries, j));
        }
    }
}

void StagingFolder::FinishMovedFolders(FolderCursor& to, const EntryTree& entries,
                                       const Placement& plan) const {
    for (const auto& move : plan.moves) {
        const TreeEntry& e = entries[move.entry];
        if (e.type != EntryType::Folder) continue;
        const int dir = to.At(e.parent);
        if (dir < 0 || !FinishFolder(dir, e, true))
            throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot write"),
                                 Shown(entries, move.entry));
    }
}

// Moves one staged entry into the destination. A file that is replaced changes
// places with the new one, so the old one waits in the staging folder until
// all are in place; a free name is only ever taken while it is free.
StagingFolder::Placed StagingFolder::Place(FolderCursor& from, FolderCursor& to,
                                           const EntryTree& entries,
                                           const Placement::Move& move) const {
    const TreeEntry& e = entries[move.entry];
    const std::string shown = Shown(entries, move.entry);
    const int src = from.At(e.parent), dst = to.At(e.parent);
    if (src < 0 || dst < 0) throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot write"), shown);
    const char* name = e.name.c_str();
    if (!move.replaces) {
        if (!MoveToFreeName(src, dst, name, e.type == EntryType::Folder, shown))
            throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot write"), shown);
        return {move.entry, Placed::New};
    }
    // A replaced file keeps its permissions, as when it is written over; a staged
    // link is never changed, which would change what it points to.
    struct stat old {};
    if (e.type == EntryType::File && ::fstatat(dst, name, &old, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(old.st_mode))
        ::fchmodat(src, name, old.st_mode & 07777, 0);
    if (disk::RenameAt(src, name, dst, name, RENAME_EXCHANGE) == 0)
        return {move.entry, Placed::Exchanged};
    if (errno != EINVAL && errno != ENOSYS)
        throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot write"), shown);
    // A filesystem that cannot exchange: replaced for good.
    if (disk::RenameAt(src, name, dst, name, 0) != 0)
        throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot write"), shown);
    return {move.entry, Placed::Replaced};
}

// Puts back what `placed` changed, latest first; says what could not be.
Text StagingFolder::Undo(FolderCursor& from, FolderCursor& to, const EntryTree& entries,
                         const std::vector<Placed>& placed) const {
    std::string kept;
    for (auto it = placed.rbegin(); it != placed.rend(); ++it) {
        const TreeEntry& e = entries[it->entry];
        const char* name = e.name.c_str();
        const int src = from.At(e.parent), dst = to.At(e.parent);
        const bool undone = src >= 0 && dst >= 0 &&
                            (it->how == Placed::Exchanged
                                 ? disk::RenameAt(src, name, dst, name, RENAME_EXCHANGE) == 0
                                 : it->how == Placed::New &&
                                       disk::RenameAt(dst, name, src, name, RENAME_NOREPLACE) == 0);
        if (!undone) kept += (kept.empty() ? "'" : ", '") + Shown(entries, it->entry) + "'";
    }
    if (kept.empty()) return Text(VW_TEXT("Errors", "; nothing in the folder was changed"));
    return Text(VW_TEXT("Errors", "; these files were already written and stay replaced: %1"),
                {kept});
}

}  // namespace vw
