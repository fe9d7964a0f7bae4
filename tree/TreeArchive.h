#pragma once
// A folder's whole tree as a POSIX pax archive, written and read with libarchive
// straight through a byte stream: no temporary file, no size limit, memory of a
// block or two whatever the tree holds.
//
// Written: sub-folders (empty ones too), dot-files, regular files with their
// holes, symbolic links as links (never followed), with permission bits and
// modification times; names relative to the folder, as the raw bytes Linux has
// (the pax header says hdrcharset=BINARY). Owners are not kept. Devices, pipes
// and sockets are left out and named.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ByteStream.h"
#include "EntryTree.h"
#include "Error.h"

namespace vw::tree {

// Called after each block with the bytes of file content written so far. It may
// throw to stop the writing: the archive is then abandoned unfinished.
using TreeTurn = std::function<void(uint64_t contentDone)>;

// Writes the tree under `folder` (not the folder itself) into `sink`. `skipped`
// gets the paths, relative to `folder`, of the entries left out; `turn` runs after
// each block. Throws vw::Error when the tree cannot be read.
void WriteTree(const std::string& folder, ByteSink& sink, std::vector<std::string>& skipped,
               const TreeTurn& turn);

// Writes the files and folders `items` into `sink` as the top-level entries of
// one tree, each under its last name (a folder with its whole tree), as
// WriteTree writes a folder's entries. Two items of one name are refused before
// anything is written.
void WriteItems(const std::vector<std::string>& items, ByteSink& sink,
                std::vector<std::string>& skipped, const TreeTurn& turn);

// The sizes of the regular files under `folder` added up, links not followed:
// what the content counted by WriteTree's turn comes to. What cannot be listed
// counts nothing; it is for progress only. `turn` runs every 1,024 entries and
// may throw to stop.
uint64_t TreeContentBytes(const std::string& folder, const std::function<void()>& turn);

// Hands each entry of a tree on as it is read. Entry comes first, then a file's
// data, then EntryDone. May throw to stop the reading.
class TreeVisitor {
public:
    virtual ~TreeVisitor() = default;
    // Entry `index` of `entries`, just added there.
    virtual void Entry(const vw::EntryTree& entries, uint32_t index) = 0;
    // `n` bytes of the current file at `offset`; what lies between them is a hole.
    virtual void Data(const uint8_t* data, size_t n, uint64_t offset) = 0;
    virtual void EntryDone() = 0;
};

// Reads the archive that `source` holds to its verified end and hands every
// entry to `visitor` once it is added to `entries`. An entry is taken only as
// WriteTree writes it: a file, a folder or a link, never a hard link, a device or
// a pipe; its name relative, of names none of which is empty, "." or "..", or a
// name this program keeps for its own files (IsReservedName); inside a folder
// that came before it and whose entries have not been left; never twice. What
// differs is damage and throws `damaged`, as does an archive libarchive cannot
// read whole; the source's own failure is thrown as it is.
void ReadTree(ByteSource& source, vw::EntryTree& entries, TreeVisitor& visitor,
              const Error& damaged);

// Reads the archive as ReadTree does and writes its entries into the empty open
// folder `folder`: folders with mode 0700 (their own modes and times are given
// when they are put in place), files and links with their modes (set-id and
// sticky bits never) and times. Every write is checked; a failing disk throws
// its error, naming the entry as it will be in `shownAs`.
void ExtractTree(ByteSource& source, int folder, const std::string& shownAs, vw::EntryTree& entries,
                 const Error& damaged);

}  // namespace vw::tree
