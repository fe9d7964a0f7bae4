#include "PackageContents.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "BinaryFile.h"
#include "EntryCompression.h"
#include "Error.h"

namespace vw::stuf {
namespace {

constexpr size_t kChunk = 1024 * 1024;

}  // namespace

FileIdentity IdentityOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot open"), path);
    FileIdentity id;
    id.known = true;
    id.device = st.st_dev;
    id.inode = st.st_ino;
    id.size = static_cast<uint64_t>(st.st_size);
    id.modified = st.st_mtim;
    return id;
}

void CheckSameFile(const std::string& path, const FileIdentity& identity) {
    const FileIdentity now = IdentityOf(path);
    if (now.device != identity.device || now.inode != identity.inode || now.size != identity.size ||
        now.modified.tv_sec != identity.modified.tv_sec ||
        now.modified.tv_nsec != identity.modified.tv_nsec)
        throw Error(ErrorNumber::PathFileAccess,
                    Text(VW_TEXT("Package",
                                 "The package file '%1' was changed by someone else "
                                 "since the session started"),
                         {path}));
}

Spool::Spool(const std::string& folder) {
    fd_ = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd_ < 0) {
        std::error_code ec;
        const std::string temp = std::filesystem::temp_directory_path(ec).string();
        fd_ = ::open(temp.empty() ? "/tmp" : temp.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    }
    if (fd_ < 0)
        throw ErrorFromErrno(
            errno, VW_TEXT("Errors", "Cannot create a temporary file for compressed entries in"),
            folder);
}

Spool::~Spool() {
    if (fd_ >= 0) ::close(fd_);
}

uint64_t Spool::Append(const uint8_t* data, size_t n) {
    const uint64_t start = size_;
    while (n > 0) {
        const ssize_t put = ::pwrite(fd_, data, n, static_cast<off_t>(size_));
        if (put < 0 && errno == EINTR) continue;
        if (put < 0)
            throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot write"),
                                 VW_TEXT("Errors", "the spool of compressed entries"));
        data += put;
        n -= static_cast<size_t>(put);
        size_ += static_cast<uint64_t>(put);
    }
    return start;
}

void Spool::Read(uint64_t offset, uint8_t* out, size_t n) const {
    while (n > 0) {
        const ssize_t got = ::pread(fd_, out, n, static_cast<off_t>(offset));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0)
            throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot read"),
                                 VW_TEXT("Errors", "the spool of compressed entries"));
        if (got == 0)
            throw Error(ErrorNumber::InputPastEnd,
                        VW_TEXT("Package", "The spool of compressed entries is cut short"));
        out += got;
        n -= static_cast<size_t>(got);
        offset += static_cast<uint64_t>(got);
    }
}

ContentsReader::ContentsReader(std::string packagePath, const FileIdentity& identity,
                               const Spool* spool)
    : packagePath_(std::move(packagePath)), identity_(identity), spool_(spool) {}

ContentsReader::~ContentsReader() = default;

FileReader& ContentsReader::Package() {
    if (!package_) {
        if (!identity_.known)
            throw Error(
                ErrorNumber::PathFileAccess,
                VW_TEXT("Package", "An entry refers to a package file that was never read"));
        auto reader = std::make_unique<FileReader>(packagePath_);
        CheckSameFile(packagePath_, identity_);
        package_ = std::move(reader);
    }
    return *package_;
}

// Calls visit(memory, n, pull): without `pull`, `memory` holds the n bytes;
// otherwise pull(out, k) reads the next k of them, in order, until n have been read.
template <class Visit>
void ContentsReader::Read(const Slot& slot, Visit&& visit) {
    switch (slot.where) {
        case ContentsWhere::Unsized:
            return;
        case ContentsWhere::Memory: {
            const auto& bytes = slot.extra->bytes;
            visit(bytes.data(), uint64_t{bytes.size()}, Pull{});
            return;
        }
        case ContentsWhere::Spool: {
            if (slot.count == 0) return;
            if (!spool_)
                throw Error(ErrorNumber::PathFileAccess,
                            VW_TEXT("Package", "A compressed entry lost its bytes"));
            uint64_t at = slot.offset;
            visit(nullptr, uint64_t{slot.count}, Pull([&](uint8_t* out, size_t n) {
                      spool_->Read(at, out, n);
                      at += n;
                  }));
            return;
        }
        case ContentsWhere::Package: {
            if (slot.count == 0) return;
            FileReader& reader = Package();
            reader.Seek(slot.offset, VW_FIELD("Fields", "an entry's contents"));
            visit(nullptr, uint64_t{slot.count}, Pull([&](uint8_t* out, size_t n) {
                      reader.ReadBytes(out, n, VW_FIELD("Fields", "an entry's contents"));
                  }));
            return;
        }
        case ContentsWhere::SourceFile: {
            const std::string& path = slot.extra->sourcePath;
            FileReader reader(path, vw::Links::Refuse);
            if (reader.Size() != slot.count)
                throw Error(
                    ErrorNumber::PathFileAccess,
                    Text(VW_TEXT("Package",
                                 "The source file '%1' changed after it was "
                                 "added: it held %2 bytes, now %3"),
                         {path, std::to_string(slot.count), std::to_string(reader.Size())}));
            visit(nullptr, uint64_t{slot.count}, Pull([&](uint8_t* out, size_t n) {
                      reader.ReadBytes(out, n, VW_FIELD("Fields", "the source file"));
                  }));
            return;
        }
    }
}

void ContentsReader::Stream(const Slot& slot, const Sink& sink) {
    Read(slot, [&](const uint8_t* memory, uint64_t n, const Pull& pull) {
        if (!pull) {
            if (n > 0) sink(memory, static_cast<size_t>(n));
            return;
        }
        const auto want = static_cast<size_t>(std::min<uint64_t>(n, kChunk));
        if (!chunk_ || chunk_->Size() < want) chunk_ = std::make_unique<PlacedBuffer>(want);
        // Read at the slot's offset, written from 0: every chunk keeps that distance.
        uint8_t* const bytes = chunk_->For(slot.offset, 0);
        while (n > 0) {
            const auto take = static_cast<size_t>(std::min<uint64_t>(n, chunk_->Size()));
            pull(bytes, take);
            sink(bytes, take);
            n -= take;
        }
    });
}

void ContentsReader::StreamPackageBytes(uint64_t offset, uint64_t n, const Sink& sink) {
    if (n == 0) return;
    FileReader& reader = Package();
    reader.Seek(offset, VW_FIELD("Fields", "the entry table"));
    std::vector<uint8_t> chunk(static_cast<size_t>(std::min<uint64_t>(n, kChunk)));
    while (n > 0) {
        const auto take = static_cast<size_t>(std::min<uint64_t>(n, chunk.size()));
        reader.ReadBytes(chunk.data(), take, VW_FIELD("Fields", "the entry table"));
        sink(chunk.data(), take);
        n -= take;
    }
}

std::vector<uint8_t> ContentsReader::Materialise(const Slot& slot) {
    std::vector<uint8_t> out;
    Read(slot, [&](const uint8_t* memory, uint64_t n, const Pull& pull) {
        if (!pull) {
            if (n > 0) out.assign(memory, memory + n);
        } else {
            out.resize(static_cast<size_t>(n));
            pull(out.data(), out.size());
        }
    });
    return out;
}

void ContentsReader::StreamFileBytes(const Slot& slot, const Sink& sink, const std::string& entry) {
    if (slot.compressed != -1) {
        Stream(slot, sink);
        return;
    }
    EntryInflater inflater(slot.fileSize, sink, entry);
    Stream(slot, [&](const uint8_t* data, size_t n) { inflater.Feed(data, n); });
    inflater.Finish();
}

}  // namespace vw::stuf
