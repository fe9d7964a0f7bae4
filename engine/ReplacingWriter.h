#pragma once
// Writes a file's new contents beside it and puts them in place only when they are
// complete, so a failed write leaves the old file (or nothing) behind, and a file
// may be rewritten while it is still being read.

#include <memory>
#include <string>

#include "BinaryFile.h"

namespace modVW {

class ReplacingWriter {
public:
    // Prepares a hidden temporary file in the target's folder (the folder of the
    // file a symbolic link points to, when the target is one).
    explicit ReplacingWriter(const std::string& target);
    ~ReplacingWriter();  // removes the temporary file unless committed
    ReplacingWriter(const ReplacingWriter&) = delete;
    ReplacingWriter& operator=(const ReplacingWriter&) = delete;

    vw::FileWriter& Out() { return *out_; }

    // Puts the new contents in place. With `keepLongerTail`, bytes of an existing
    // target beyond the new length are kept behind it, as an in-place overwrite
    // without truncation would leave them.
    void Commit(bool keepLongerTail);

private:
    void CopyTail();

    std::string target_;
    std::string temp_;
    std::unique_ptr<vw::FileWriter> out_;
    bool committed_ = false;
};

}  // namespace modVW
