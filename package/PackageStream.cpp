#include "PackageStream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <limits>

#include "Error.h"

namespace vw::stuf {
namespace {

// Fields as the package file holds them: little-endian, no padding.
class Fields {
public:
    Fields& U16(uint16_t v) { return Bytes(&v, 2); }
    Fields& U32(uint32_t v) { return Bytes(&v, 4); }
    Fields& Text(const std::string& bytes) {
        if (bytes.size() > 0xFFFF)
            throw Error(ErrorNumber::InvalidCall,
                        vw::Text(VW_TEXT("Package",
                                         "A text of %1 bytes does not fit a package "
                                         "(65,535 at most)"),
                                 {std::to_string(bytes.size())}));
        return U16(static_cast<uint16_t>(bytes.size())).Bytes(bytes.data(), bytes.size());
    }
    // The slot's fields after its contents: name, FileSize, Compressed 0, two
    // empty reserved texts and eight reserved zero bytes.
    Fields& SlotEnd(const std::string& name, uint32_t size) {
        return Text(name).U32(size).U16(0).U16(0).U16(0).U32(0).U32(0);
    }
    std::string Take() { return std::move(bytes_); }

private:
    Fields& Bytes(const void* data, size_t n) {
        static_assert(std::endian::native == std::endian::little);
        bytes_.append(static_cast<const char*>(data), n);
        return *this;
    }
    std::string bytes_;
};

}  // namespace

PackageStream::PackageStream(const std::string& storedDescription, std::vector<StreamedFile> files)
    : files_(std::move(files)) {
    // Slot 0 stays empty (no contents, 22 bytes); file i fills slot i.
    Fields head;
    head.Text(storedDescription).U16(1).U32(static_cast<uint32_t>(files_.size() + 1)).U32(0);
    head.U16(0).SlotEnd("", 0);
    for (const StreamedFile& file : files_) {
        if (file.size > static_cast<uint64_t>(std::numeric_limits<int32_t>::max()))
            throw Error(ErrorNumber::InvalidCall,
                        vw::Text(VW_TEXT("Package",
                                         "Cannot add '%1': it holds %2 bytes; a package "
                                         "entry holds at most 2,147,483,647"),
                                 {file.path, std::to_string(file.size)}));
        const auto size = static_cast<uint32_t>(file.size);
        head.U16(1).U32(size).U32(0);
        fields_.push_back(head.Take());
        size_ += fields_.back().size() + file.size;
        ends_.push_back(size_);
        head.SlotEnd(file.storedName, size);
    }
    head.U32(static_cast<uint32_t>(files_.size())).Text("STUF20").U16(0).U16(0).U32(0).U32(0);
    fields_.push_back(head.Take());
    size_ += fields_.back().size();
}

PackageStream::~PackageStream() {
    CloseFile();
}

size_t PackageStream::Read(uint8_t* data, size_t len) {
    size_t given = 0;
    while (given < len && piece_ < 2 * files_.size() + 1) {
        const size_t n = piece_ % 2 == 0 ? ReadFields(data + given, len - given)
                                         : ReadContents(data + given, len - given);
        given += n;
    }
    return given;
}

size_t PackageStream::ReadFields(uint8_t* data, size_t len) {
    const std::string& fields = fields_[piece_ / 2];
    const size_t n = std::min<size_t>(len, fields.size() - done_);
    std::memcpy(data, fields.data() + done_, n);
    Advance(n, fields.size());
    return n;
}

size_t PackageStream::ReadContents(uint8_t* data, size_t len) {
    const StreamedFile& file = files_[piece_ / 2];
    const uint64_t left = file.size - done_;
    if (left > 0 && fd_ < 0) Open(file);
    const size_t want = static_cast<size_t>(std::min<uint64_t>(len, left));
    ssize_t got = 0;
    while (want > 0 && (got = ::read(fd_, data, want)) < 0 && errno == EINTR) {
    }
    if (got < 0) throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot read"), file.path);
    if (want > 0 && got == 0)
        throw Error(ErrorNumber::PathFileAccess,
                    vw::Text(VW_TEXT("Package",
                                     "The source file '%1' changed after it was listed: "
                                     "it held %2 bytes, now fewer"),
                             {file.path, std::to_string(file.size)}));
    const auto n = static_cast<size_t>(got);
    if (n == left) CloseFile();
    Advance(n, file.size);
    return n;
}

// One open, one look at what was opened, the reads, one close: a link swapped
// in for a listed file is refused, not followed, and a file whose size changed
// since the listing would no longer match the sizes already handed on.
void PackageStream::Open(const StreamedFile& file) {
    fd_ = ::open(file.path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot open"), file.path);
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot open"), file.path);
    if (!S_ISREG(st.st_mode))
        throw Error(
            ErrorNumber::PathFileAccess,
            vw::Text(VW_TEXT("Package", "Cannot add '%1': not a regular file"), {file.path}));
    if (static_cast<uint64_t>(st.st_size) != file.size)
        throw Error(ErrorNumber::PathFileAccess,
                    vw::Text(VW_TEXT("Package",
                                     "The source file '%1' changed after it was listed: "
                                     "it held %2 bytes, now %3"),
                             {file.path, std::to_string(file.size), std::to_string(st.st_size)}));
}

void PackageStream::Advance(size_t n, uint64_t pieceSize) {
    done_ += n;
    if (done_ < pieceSize) return;
    ++piece_;
    done_ = 0;
}

void PackageStream::CloseFile() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

uint64_t PackageStream::FilePositionOf(uint64_t offset) const {
    const auto after = std::upper_bound(ends_.begin(), ends_.end(), offset);
    if (after == ends_.end()) return offset;
    const auto i = static_cast<size_t>(after - ends_.begin());
    return offset - (*after - files_[i].size);
}

}  // namespace vw::stuf
