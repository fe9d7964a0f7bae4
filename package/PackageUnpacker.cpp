#include "PackageUnpacker.h"

#include <algorithm>

#include "BinaryFile.h"
#include "EntryCompression.h"
#include "Error.h"
#include "PackageExtraction.h"
#include "PathText.h"
#include "PrivateFolder.h"
#include "StagingFolder.h"

namespace vw::stuf {
namespace {

constexpr size_t kInflateChunk = 64 * 1024;

}  // namespace

PackageUnpacker::PackageUnpacker(StagingFolder& staging, std::string dest, uint64_t size,
                                 std::string label, FreeSpace freeSpace)
    : staging_(staging),
      dest_(std::move(dest)),
      freeSpace_(std::move(freeSpace)),
      slots_(std::make_unique<PrivateFolder>(staging.PathOf(""), vw::kStagingPrefix)),
      reader_(size, std::move(label), *this) {}

PackageUnpacker::~PackageUnpacker() = default;

void PackageUnpacker::Begin(uint32_t slot, uint32_t count) {
    // Free space is asked again only once what was last seen is used up.
    if (count > freeSeen_) freeSeen_ = CheckFreeSpace(dest_, count, freeSpace_);
    freeSeen_ -= count;
    const std::string path = JoinPath(slots_->Path(), std::to_string(slot));
    // Until its name comes, a failing write names the destination folder.
    contents_ = std::make_unique<FileWriter>(path, FileWriter::Mode::CreateNew, 0666, dest_);
}

void PackageUnpacker::Bytes(const uint8_t* data, size_t n) {
    contents_->WriteBytes(data, n);
}

void PackageUnpacker::End() {
    contents_->Close();
    contents_.reset();
}

std::vector<PackageFile> PackageUnpacker::Finish() {
    const std::vector<PackageFile> files = reader_.Finish(NameMaxAt(dest_));
    uint64_t expanded = 0;
    for (const auto& file : files)
        if (file.compressed) expanded += static_cast<uint64_t>(std::max(file.fileSize, 0));
    CheckFreeSpace(dest_, expanded, freeSpace_);
    for (const auto& file : files)
        Place(file, JoinPath(dest_, file.name));
    return files;
}

// Moves a stored entry's contents into the staging folder under its name, or
// inflates a compressed one there.
void PackageUnpacker::Place(const PackageFile& file, const std::string& target) {
    const std::string raw = JoinPath(slots_->Path(), std::to_string(file.number));
    const std::string staged = staging_.PathOf(file.name);
    if (!file.compressed && file.hasContents) {
        if (::rename(raw.c_str(), staged.c_str()) != 0)
            throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot write"), target);
        return;
    }
    FileWriter out(staged, FileWriter::Mode::Truncate, 0666, target);
    if (file.compressed) {
        EntryInflater inflater(
            file.fileSize, [&](const uint8_t* data, size_t n) { out.WriteBytes(data, n); },
            EntryLabel(file.number, file.name));
        if (file.hasContents) {
            FileReader in(raw);
            std::vector<uint8_t> chunk(kInflateChunk);
            while (in.Remaining() > 0) {
                const auto n =
                    static_cast<size_t>(std::min<uint64_t>(chunk.size(), in.Remaining()));
                in.ReadBytes(chunk.data(), n, VW_FIELD("Fields", "an entry's contents"));
                inflater.Feed(chunk.data(), n);
            }
        }
        inflater.Finish();
    }
    out.Close();
}

}  // namespace vw::stuf
