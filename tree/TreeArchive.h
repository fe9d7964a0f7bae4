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

// The sizes of the regular files under `folder` added up, links not followed:
// what the content counted by WriteTree's turn comes to. What cannot be listed
// counts nothing; it is for progress only. `turn` runs every 1,024 entries and
// may throw to stop.
uint64_t TreeContentBytes(const std::string& folder, const std::function<void()>& turn);

// Extracts the archive that `source` holds into the empty folder `folder`, with
// libarchive's secure checks (no "..", no absolute path, never through a link),
// permission bits and times, and no owners; then reads `source` to its end, so
// that its last byte is verified. Returns the top-level names it made. An archive
// that is not one WriteTree writes throws `damaged`; a failing disk its own error.
std::vector<std::string> ExtractTree(ByteSource& source, const std::string& folder,
                                     const Error& damaged);

}  // namespace vw::tree
