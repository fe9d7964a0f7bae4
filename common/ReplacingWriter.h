#pragma once
// Writes a file's new contents beside it and puts them in place only when they are
// complete, so a failed write leaves the old file (or nothing) behind, and a file
// may be rewritten while it is still being read.

#include <memory>
#include <string>

#include "BinaryFile.h"

namespace vw {

class ReplacingWriter {
public:
    enum class Links {
        WriteThrough,  // a symbolic link at the target keeps pointing at the new contents
        Replace,       // a symbolic link at the target is replaced, never followed
    };

    // Prepares a hidden temporary file in the folder the contents will land in.
    explicit ReplacingWriter(const std::string& target, Links links = Links::WriteThrough);
    ~ReplacingWriter();  // removes the temporary file unless committed
    ReplacingWriter(const ReplacingWriter&) = delete;
    ReplacingWriter& operator=(const ReplacingWriter&) = delete;

    FileWriter& Out() { return *out_; }

    struct CommitOptions {
        // Keep an existing target's bytes beyond the new length behind it, and its
        // mode, as an in-place overwrite without truncation would leave them.
        bool keepLongerTail = false;
        // Reach the disk before the rename, so a crash cannot leave an empty file.
        bool durable = false;
    };
    void Commit(CommitOptions options);

private:
    void CopyTail();

    std::string target_;
    std::string temp_;
    Links links_;
    std::unique_ptr<FileWriter> out_;
    int leftover_ = -1;  // the temporary file's slot in Leftovers
    bool committed_ = false;
};

}  // namespace vw
