#include "RecordSummary.h"

#include <map>

#include "EncryptedSource.h"
#include "Error.h"
#include "PackageReader.h"
#include "RecordFile.h"
#include "StreamCipher.h"
#include "Text1252.h"

namespace modVW {
namespace {

// The stored size of each slot's contents as they pass; the contents themselves
// are dropped.
class SlotSizes : public vw::stuf::SlotContents {
public:
    void Begin(uint32_t slot, uint32_t count) override { sizes[slot] = count; }
    void Bytes(const uint8_t*, size_t) override {}
    void End() override {}
    std::map<uint32_t, uint32_t> sizes;
};

}  // namespace

RecordSummary InspectRecord(const std::string& path, Interaction& ui) {
    const RecordLayout layout = ReadRecordLayout(path);
    RecordSummary summary;
    summary.SourceKind = layout.Fields.SourceKind;
    summary.SourceName = Text1252::NameFromFile(layout.Fields.SourceName);
    summary.PayloadSize = layout.PayloadSize;
    summary.IsFolder = layout.Fields.SourceKind != SourceKinds::File;
    if (!summary.IsFolder) return summary;

    // The package is read as it is deciphered, with every check an extraction
    // makes, and never written anywhere.
    SlotSizes slots;
    vw::stuf::PackageReader package(layout.PayloadSize, path, slots);
    DecipherPayloadInto(
        path, layout, package, [](uint64_t off) { return off; }, ui);
    for (const auto& file : package.Finish(0))
        summary.Entries.push_back(
            {file.name, file.fileSize, slots.sizes[file.number], file.compressed});
    summary.Description = Text1252::NameFromFile(package.Description());
    return summary;
}

}  // namespace modVW
