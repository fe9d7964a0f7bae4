#pragma once
// Writing a file so that it replaces whatever is at its path only once it is
// complete: the bytes go to a new temporary file beside the target (created with
// O_EXCL|O_NOFOLLOW, so nothing existing is ever opened or followed), which is then
// renamed over the target. A symbolic link at the target is replaced, never
// followed; a failure leaves the target as it was and removes the temporary file.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vw::stuf {

class ReplacementFile {
public:
    explicit ReplacementFile(std::string target);
    ~ReplacementFile();  // removes the temporary file unless Commit succeeded
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    void Write(const void* data, size_t n);
    void WriteU16(uint16_t v);
    void WriteI16(int16_t v) { WriteU16(static_cast<uint16_t>(v)); }
    void WriteU32(uint32_t v);
    void WriteI32(int32_t v) { WriteU32(static_cast<uint32_t>(v)); }
    // A CountedText: 16-bit length, then the bytes. Throws when longer than 65,535.
    void WriteCountedText(const std::string& bytes);

    // Flushes, optionally syncs to disk, closes and renames over the target.
    void Commit(bool durable);

    const std::string& Target() const { return target_; }

private:
    void Flush();

    std::string target_;
    std::string temp_;
    int fd_ = -1;
    bool committed_ = false;
    std::vector<uint8_t> buffer_;
};

// The folder of `path`: "." when it has none, "/" for a file in the root.
std::string FolderOf(const std::string& path);

// The last component of `path` (everything after the last "/").
std::string LastComponent(const std::string& path);

// `folder` + "/" + `name`, without doubling a "/" that ends `folder`.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace vw::stuf
