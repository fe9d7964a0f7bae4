#pragma once
// Writes a file's new contents beside it and puts them in place only when they are
// complete, so a failed write leaves the old file (or nothing) behind, and a file
// may be rewritten while it is still being read. A symbolic link at the target is
// replaced, never followed; a device, a pipe or an open file named through /proc
// (/dev/stdout) is written into directly, never renamed over.

#include <sys/types.h>

#include <memory>
#include <optional>
#include <string>

#include "BinaryFile.h"
#include "OutputTarget.h"
#include "TemporaryFile.h"

namespace vw {

class ReplacingWriter {
public:
    enum class Links {
        // For a name taken from a file (a package entry): a symbolic link there is
        // replaced, never followed; a device or a FIFO is refused.
        Replace,
        // For the path a user chose: as Replace, but a device, a FIFO or an open file
        // named through /proc (/dev/stdout, also by a link) is written into.
        WriteIntoDevices,
    };

    // Prepares the new contents' file in the folder they will land in.
    explicit ReplacingWriter(const std::string& target, Links links = Links::WriteIntoDevices);
    ~ReplacingWriter();  // leaves nothing behind unless committed
    ReplacingWriter(const ReplacingWriter&) = delete;
    ReplacingWriter& operator=(const ReplacingWriter&) = delete;

    FileWriter& Out() { return *out_; }

    struct CommitOptions {
        // Reach the disk before the rename, so a crash cannot leave an empty file.
        bool durable = false;
        // The permission bits a new file gets at most (the umask applies too); a
        // replaced file keeps its own.
        mode_t newFileMode = 0666;
    };
    void Commit(CommitOptions options);

private:
    std::string target_;
    OutputTarget kind_;
    std::optional<TemporaryFile> temp_;  // none when writing into the target directly
    std::unique_ptr<FileWriter> out_;
};

}  // namespace vw
