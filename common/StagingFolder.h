#pragma once
// A folder is extracted all or nothing: its entries are written into a hidden
// folder of this process inside the destination, and put in place only once all
// are written and checked. Folders merge into folders that already exist, as tar
// and file managers do; a file takes the place of a file or link of its name only
// where the plan says so (after the question, or --force); a name that is taken
// by then is never replaced. Placing is all or nothing too: a failure half-way,
// or a signal, puts back what was moved, and the old versions wait in the
// staging folder until the last new one is in place.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "EntryTree.h"
#include "Text.h"

namespace vw {

class FolderCursor;
class PrivateFolder;

// What placing the staged entries does, worked out before anything moves.
struct Placement {
    struct Move {
        uint32_t entry;
        bool replaces;  // changes places with the file or link of its name; else the name is free
    };
    std::vector<Move> moves;  // in entry order; a folder that is moved takes all it holds

    // The entries that replace what is there.
    std::vector<uint32_t> Replaced() const;
};

class StagingFolder {
public:
    // Makes the staging folder in the existing folder `dest`, after removing the
    // ones killed runs left there.
    explicit StagingFolder(const std::string& dest);
    ~StagingFolder();
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    // The staging folder, open.
    int Fd() const;
    std::string PathOf(const std::string& name) const;
    const std::string& Dest() const { return dest_; }
    // The destination path of entry `i`, for messages.
    std::string Shown(const EntryTree& entries, uint32_t i) const;

    // What placing `entries` would do now. Throws Error 75, naming them, when a
    // file would go where a folder stands, or a folder where a file or link does.
    Placement Plan(const EntryTree& entries) const;

    // Puts the entries in place as `plan` says: the staged files reach the disk
    // first (one sync for all), then each is moved, then the moves reach the
    // disk, then the new folders get their modes and times, deepest first. On a
    // failure, what was moved is put back and the error says so, or names the
    // files that stay replaced. SIGINT, SIGTERM, SIGHUP and SIGQUIT are held
    // meanwhile: one that arrives puts back what was moved, and the process then
    // ends as the signal says.
    void Commit(const EntryTree& entries, const Placement& plan);

private:
    struct Placed {
        uint32_t entry;
        enum How { New, Exchanged, Replaced } how;
    };
    void FinishInnerFolders(const EntryTree& entries, const Placement& plan) const;
    void FinishMovedFolders(FolderCursor& to, const EntryTree& entries,
                            const Placement& plan) const;
    Placed Place(FolderCursor& from, FolderCursor& to, const EntryTree& entries,
                 const Placement::Move& move) const;
    Text Undo(FolderCursor& from, FolderCursor& to, const EntryTree& entries,
              const std::vector<Placed>& placed) const;

    std::string dest_;
    int destFd_ = -1;
    std::unique_ptr<PrivateFolder> folder_;
};

}  // namespace vw
