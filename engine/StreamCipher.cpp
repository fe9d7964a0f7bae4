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
void SubstituteStream(vw::FileReader& in, vw::FileWriter& out, uint64_t total, const ByteMap& map,
                      Interaction& ui) {
    const Substitution substitution(map.map);
    RunPayloadPipeline(
        in, out, total,
        [&](uint8_t* buf, size_t len, uint64_t) {
            if (map.anyHole) CheckNoHoles(map, buf, len);
            substitution.Apply(buf, len);
        },
        [&](uint64_t off, size_t len) { PublishProgress(off, len, total, ui); });
}

}  // namespace

void EncryptFileToRecord(vw::FileReader& in, vw::FileWriter& out, const std::string& typedPassword,
                         int16_t kind, const std::string& storedName, Interaction& ui) {
    EncryptedRecord fields;
    fields.Table = BuildTable();
    const ByteMap forward = ForwardMap(fields.Table);
    fields.Password = StoredPassword(typedPassword, forward);
    fields.SourceKind = kind;
    fields.SourceName = storedName;

    WriteRecordHead(out, in.Size());
    SubstituteStream(in, out, in.Size(), forward, ui);
    WriteRecordTail(out, fields);
}

void DecipherPayloadTo(const std::string& source, const RecordLayout& layout, vw::FileWriter& dest,
                       Interaction& ui) {
    vw::FileReader in(source);
    in.Seek(kPayloadOffset, "the payload");
    in.Require(layout.PayloadSize, "the payload");
    SubstituteStream(in, dest, layout.PayloadSize,
                     InverseMap(BuildInverseTable(layout.Fields.Table)), ui);
}

}  // namespace modVW
