#pragma once
// Writes a file's new contents beside it and puts them in place only when they are
// complete, so a failed write leaves the old file (or nothing) behind, and a file
// may be rewritten while it is still being read. A symbolic link at the target is
// replaced, never followed. A device, a pipe, standard output or an open file named
// through /proc cannot be replaced afterwards: the contents are kept in an unnamed
// file of a private folder until they are complete, and only then written into it.

#include <sys/types.h>

#include <memory>
#include <optional>
#include <string>

#include "BinaryFile.h"
#include "OutputTarget.h"
#include "TemporaryFile.h"
#include "Text.h"

namespace vw {

class PrivateFolder;

class ReplacingWriter {
public:
    enum class Links {
        // For a name taken from a file (a package entry): a symbolic link there is
        // replaced, never followed; a device or a FIFO is refused.
        Replace,
        // For the path a user chose: as Replace, but a device, a FIFO, standard
        // output or an open file named through /proc (/dev/stdout) is written into.
        WriteIntoDevices,
    };

    // Prepares the new contents' file. What is at `target` now decides what Commit
    // may do: replace it, or only take a name that is still free.
    explicit ReplacingWriter(const std::string& target, Links links = Links::WriteIntoDevices);
    ~ReplacingWriter();  // leaves nothing behind unless committed
    ReplacingWriter(const ReplacingWriter&) = delete;
    ReplacingWriter& operator=(const ReplacingWriter&) = delete;

    FileWriter& Out() { return *out_; }

    struct CommitOptions {
        // Reach the disk before the rename even when nothing is replaced. A file
        // that replaces another always does: a crash must not lose both.
        bool durable = false;
        // The permission bits a new file gets at most (the umask applies too); a
        // replaced file keeps its own.
        mode_t newFileMode = 0666;
    };
    // Puts the contents in place. Returns a warning for the user (empty when none):
    // permissions the filesystem cannot set do not fail the write.
    Text Commit(CommitOptions options);

private:
    void CopySpoolTo(int fd);

    std::string target_;
    OutputTarget kind_;
    int direct_ = -1;                       // the device, pipe or standard output
    std::unique_ptr<PrivateFolder> spool_;  // holds the contents meant for direct_
    std::optional<TemporaryFile> temp_;
    std::unique_ptr<FileWriter> out_;
};

}  // namespace vw
