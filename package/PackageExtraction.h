#pragma once
// The checks an extraction makes before it writes anything, and the private
// folder it writes into, so that a package is extracted whole or not at all.

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace vw {
class PrivateFolder;
}

namespace vw::stuf {

// Throws unless entry `number`'s `name` is one plain file name that stays inside
// the destination folder and fits its file system (`nameMax` bytes). On Linux
// only "/" separates folders: a backslash is an ordinary character of a name.
void CheckEntryName(int32_t number, const std::string& name, long nameMax);

// The longest file name the folder `dest` takes, or would take once created.
long NameMaxAt(const std::string& dest);

// Throws Error 61 when `declared` bytes exceed what `freeSpace` says is free at
// `dest` (or at the folder that will hold it), else returns the free bytes. An
// empty `freeSpace` asks statvfs.
uint64_t CheckFreeSpace(const std::string& dest, uint64_t declared,
                        const std::function<uint64_t(const std::string&)>& freeSpace);

// A hidden folder of this process inside the destination. Entries are written
// into it; Commit moves them all into place, replacing files of the same names
// that were there when the folder was made, never one that appeared since. A
// failure half-way puts back what was moved. Anything not committed is removed
// with the folder, also on SIGINT or SIGTERM in vw3; one that a killed run left in
// the destination is removed by the next extraction there.
class StagingFolder {
public:
    explicit StagingFolder(const std::string& dest);
    ~StagingFolder();
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    std::string PathOf(const std::string& name) const;
    // Moves the staged `names` into the destination; refuses before moving any when
    // one of them would replace a folder. On a failure, what was moved is put back
    // and the error says so, or names the files that stay replaced.
    void Commit(const std::vector<std::string>& names);

private:
    struct Placed {
        std::string name;
        enum How { New, Exchanged, Replaced } how;
    };
    Placed Place(const std::string& name);
    std::string Undo(const std::vector<Placed>& placed);

    std::string dest_;
    std::unique_ptr<PrivateFolder> folder_;
    std::set<std::string> present_;  // the destination's names when extraction began
};

}  // namespace vw::stuf
