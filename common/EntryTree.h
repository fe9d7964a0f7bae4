#pragma once
// The entries of an extracted folder, as a tree of names: what a staging folder
// holds and what placing it means. An entry is added only into a folder added
// before it, and a folder holds a name once. Memory is one record and one index
// slot an entry; a path is spelled out only for a message, so a tree thousands
// of folders deep costs no more than a wide one.

#include <sys/stat.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vw {

enum class EntryType : uint8_t { File, Folder, Link };

struct TreeEntry {
    uint32_t parent = 0;  // set by Add: the folder that holds it, or EntryTree::kTop
    uint32_t depth = 0;   // set by Add: 0 for an entry of the top folder
    EntryType type = EntryType::File;
    uint32_t mode = 0600;              // permission bits
    uint64_t size = 0;                 // a file's bytes
    timespec modified{0, UTIME_OMIT};  // UTIME_OMIT: the time the disk gives it
    std::string name;                  // one name, no "/"
    std::string target;                // a link's
};

class EntryTree {
public:
    static constexpr uint32_t kTop = UINT32_MAX;

    // Adds `entry` under the relative `path` ("a/b/name"), whose folder must be
    // the top folder or a folder added before. False, and nothing added, when it
    // is not, or when that folder already holds the name. The path's names are
    // not checked here (see the readers).
    bool Add(std::string_view path, TreeEntry entry);

    uint32_t Size() const { return static_cast<uint32_t>(entries_.size()); }
    const TreeEntry& operator[](uint32_t i) const { return entries_[i]; }
    // How many folders down `i` lies: 0 for the top folder, 1 for its entries.
    uint32_t Level(uint32_t i) const { return i == kTop ? 0 : entries_[i].depth + 1; }
    // "a/b/name".
    std::string PathOf(uint32_t i) const;
    // The entries `folder` (kTop: the top folder) holds, in the order they came.
    std::vector<uint32_t> Children(uint32_t folder) const;
    // `folder` and what it holds, however deep, each folder before its entries.
    std::vector<uint32_t> PreOrder(uint32_t folder) const;

private:
    struct Key {
        uint32_t parent;
        std::string name;
        bool operator==(const Key& other) const = default;
    };
    struct KeyHash {
        size_t operator()(const Key& key) const;
    };
    // The folder at `path`, or nothing; remembers it for the next call.
    bool FindFolder(std::string_view path, uint32_t& folder);
    void BuildChildren() const;

    std::vector<TreeEntry> entries_;
    std::unordered_map<Key, uint32_t, KeyHash> named_;  // each entry by its folder and name
    // The last two folders found or added by path: the next entry is most often
    // in one of them, whatever order the archive lists folders in.
    std::string recentPath_[2];
    uint32_t recent_[2] = {kTop, kTop};
    // Children by folder, built when first asked for: entry i's are
    // childList_[childStart_[i]..childStart_[i + 1]), the top folder's last.
    mutable std::vector<uint32_t> childStart_, childList_;
};

}  // namespace vw
