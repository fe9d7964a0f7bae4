#pragma once
// A walk among the folders of an EntryTree as they lie under an open folder.
// Each step down opens a folder by its name, never through a link; each step up
// opens "..", and a folder reached that way must be the one that was left, so a
// folder renamed or swapped during the walk stops it. A walk in entry order
// opens each folder about twice, however deep the tree: descriptors are not
// kept for the folders above, which may be thousands.

#include <sys/types.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "EntryTree.h"

namespace vw {

class FolderCursor {
public:
    // `top` (borrowed, kept open by the caller) is where the tree's top entries lie.
    FolderCursor(int top, const EntryTree& entries);
    ~FolderCursor();
    FolderCursor(const FolderCursor&) = delete;
    FolderCursor& operator=(const FolderCursor&) = delete;

    // The folder entry `folder` (EntryTree::kTop: the top folder) opened, valid
    // until the next call; -1 with errno set when a step fails.
    int At(uint32_t folder);

private:
    bool Up();
    bool Down(uint32_t folder);

    int top_;
    const EntryTree& entries_;
    uint32_t at_ = EntryTree::kTop;
    int fd_;
    std::vector<std::pair<dev_t, ino_t>> chain_;  // the folders from the top down to at_
};

}  // namespace vw
