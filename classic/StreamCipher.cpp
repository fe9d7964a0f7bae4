#include "StreamCipher.h"

#include <vector>

#include "Cipher.h"
#include "PayloadPipeline.h"
#include "Progress.h"
#include "Text1252.h"

namespace modVW {
namespace {

std::vector<uint8_t> StoredPassword(const std::string& typed, const ByteMap& forward) {
    std::vector<uint8_t> stored{0};
    for (char c : PasswordCodes(typed))
        stored.push_back(forward.map[static_cast<uint8_t>(c)]);
    return stored;
}

// Copies `total` bytes from `in` to `out`, substituting them through `map`.
void SubstituteStream(const PayloadEnds& ends, uint64_t total, const ByteMap& map,
                      Interaction& ui) {
    const Substitution substitution(map.map);
    RunPayloadPipeline(
        ends, total,
        [&](uint8_t* buf, size_t len, uint64_t) {
            if (map.anyHole) CheckNoHoles(map, buf, len);
            substitution.Apply(buf, len);
        },
        [&](uint64_t off, size_t len) { PublishProgress(off, len, total, ui); });
}

}  // namespace

void EncryptPayloadToRecord(const PlainPayload& payload, vw::FileWriter& out,
                            const std::string& typedPassword, int16_t kind, Interaction& ui) {
    EncryptedRecord fields;
    fields.Table = BuildTable();
    const ByteMap forward = ForwardMap(fields.Table);
    fields.Password = StoredPassword(typedPassword, forward);
    fields.SourceKind = kind;
    fields.SourceName = payload.storedName;

    WriteRecordHead(out, payload.size);
    FileSink sink(out);
    const uint64_t writeFrom = out.Position();
    SubstituteStream(
        {payload.in, sink, payload.readAt, [&](uint64_t off) { return writeFrom + off; }},
        payload.size, forward, ui);
    WriteRecordTail(out, fields);
}

void EncryptFileToRecord(vw::FileReader& in, vw::FileWriter& out, const std::string& typedPassword,
                         int16_t kind, const std::string& storedName, Interaction& ui) {
    FileSource bytes(in);
    const uint64_t readFrom = in.Position();
    EncryptPayloadToRecord(
        {bytes, in.Remaining(), [readFrom](uint64_t off) { return readFrom + off; }, storedName},
        out, typedPassword, kind, ui);
}

void DecipherPayloadInto(const std::string& source, const RecordLayout& layout, vw::ByteSink& dest,
                         const FilePosition& writeAt, Interaction& ui) {
    vw::FileReader in(source);
    in.Seek(kPayloadOffset, VW_FIELD("Fields", "the payload"));
    in.Require(layout.PayloadSize, VW_FIELD("Fields", "the payload"));
    FileSource bytes(in);
    SubstituteStream({bytes, dest, [](uint64_t off) { return kPayloadOffset + off; }, writeAt},
                     layout.PayloadSize, InverseMap(BuildInverseTable(layout.Fields.Table)), ui);
}

void DecipherPayloadTo(const std::string& source, const RecordLayout& layout, vw::FileWriter& dest,
                       Interaction& ui) {
    FileSink sink(dest);
    const uint64_t writeFrom = dest.Position();
    DecipherPayloadInto(
        source, layout, sink, [writeFrom](uint64_t off) { return writeFrom + off; }, ui);
}

}  // namespace modVW
