#include "RecordFile.h"

#include "Error.h"

namespace modVW {
namespace {

// A field read whole that no encrypted file holds. (A file that ends inside a
// field is reported by the reader itself as input past its end.)
vw::Error Damaged(const std::string& path, vw::Text what) {
    return vw::Error(vw::ErrorNumber::InvalidFileFormat,
                     vw::Text(VW_TEXT("Classic",
                                      "Invalid file format: '%1' is not a valid "
                                      "encrypted file (%2)"),
                              {path, std::move(what)}));
}

vw::Text Field(const char* what) {
    return vw::Template{vw::kFieldContext, what, nullptr};
}

// Reads an array header (dimensions, count, lower bound) and returns the count,
// checked against the bytes that remain. Every encrypted file begins with the
// payload's dimension count 1: a file that does not was never one.
uint32_t ReadArrayHeader(vw::FileReader& in, const char* what) {
    const bool first = in.Position() == 0;
    const uint16_t dims = in.ReadU16(what);
    if (dims != 1 && first)
        throw vw::Error(vw::ErrorNumber::InvalidFileFormat,
                        vw::Text(VW_TEXT("Classic",
                                         "Invalid file format: '%1' is not a Vaultwise "
                                         "file"),
                                 {in.Path()}));
    if (dims != 1)
        throw Damaged(in.Path(), vw::Text(VW_TEXT("Classic", "%1 has %2 dimensions instead of 1"),
                                          {Field(what), std::to_string(dims)}));
    const uint32_t count = in.ReadU32(what);
    const int32_t lowerBound = in.ReadI32(what);
    if (count > kMaxPayload)
        throw Damaged(in.Path(), vw::Text(VW_TEXT("Classic",
                                                  "%1 claims %2 bytes, more than an "
                                                  "encrypted file can hold"),
                                          {Field(what), std::to_string(count)}));
    if (lowerBound != 0)
        throw Damaged(in.Path(), vw::Text(VW_TEXT("Classic", "%1 has lower bound %2 instead of 0"),
                                          {Field(what), std::to_string(lowerBound)}));
    in.Require(count, what);
    return count;
}

void WriteArrayHeader(vw::FileWriter& out, uint64_t count) {
    out.WriteU16(1);
    out.WriteI32(static_cast<int32_t>(count));
    out.WriteI32(0);
}

}  // namespace

RecordLayout ReadRecordLayout(const std::string& path) {
    vw::FileReader in(path);
    RecordLayout layout;
    layout.PayloadSize = ReadArrayHeader(in, VW_FIELD("Fields", "the payload"));
    in.Skip(layout.PayloadSize, VW_FIELD("Fields", "the payload"));
    EncryptedRecord& f = layout.Fields;
    f.Password = in.ReadByteArray(ReadArrayHeader(in, VW_FIELD("Fields", "the password")),
                                  VW_FIELD("Fields", "the password"));
    f.SourceKind = in.ReadI16(VW_FIELD("Fields", "the source kind"));
    f.SourceName = in.ReadText(in.ReadU16(VW_FIELD("Fields", "the source name")),
                               VW_FIELD("Fields", "the source name"));
    // The table's values are checked where it is inverted, by the password check.
    for (int16_t& entry : f.Table)
        entry = in.ReadI16(VW_FIELD("Fields", "the substitution table"));
    return layout;
}

EncryptedRecord ReadRecord(const std::string& path) {
    RecordLayout layout = ReadRecordLayout(path);
    vw::FileReader in(path);
    in.Seek(kPayloadOffset, VW_FIELD("Fields", "the payload"));
    layout.Fields.Data = in.ReadByteArray(layout.PayloadSize, VW_FIELD("Fields", "the payload"));
    return std::move(layout.Fields);
}

void WriteRecordHead(vw::FileWriter& out, uint64_t payloadSize) {
    if (payloadSize > kMaxPayload)
        throw vw::Error(vw::ErrorNumber::InvalidCall,
                        vw::Text(VW_TEXT("Classic",
                                         "Invalid procedure call or argument: '%1' "
                                         "cannot hold %2 bytes; an encrypted file "
                                         "holds at most 2,147,483,647"),
                                 {out.Path(), std::to_string(payloadSize)}));
    WriteArrayHeader(out, payloadSize);
}

void WriteRecordTail(vw::FileWriter& out, const EncryptedRecord& fields) {
    if (fields.SourceName.size() > 0xFFFF)
        throw vw::Error(vw::ErrorNumber::InvalidCall,
                        VW_TEXT("Classic",
                                "Invalid procedure call or argument: the source name "
                                "is too long"));
    WriteArrayHeader(out, fields.Password.size());
    out.WriteBytes(fields.Password.data(), fields.Password.size());
    out.WriteI16(fields.SourceKind);
    out.WriteU16(static_cast<uint16_t>(fields.SourceName.size()));
    out.WriteText(fields.SourceName);
    for (int16_t entry : fields.Table)
        out.WriteI16(entry);
}

void WriteRecord(const std::string& path, const EncryptedRecord& record) {
    vw::FileWriter out(path, vw::FileWriter::Mode::KeepExisting);
    WriteRecordHead(out, record.Data.size());
    out.WriteBytes(record.Data.data(), record.Data.size());
    WriteRecordTail(out, record);
    out.Close();
}

}  // namespace modVW
