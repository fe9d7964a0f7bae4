#include "RecordFile.h"

#include "Error.h"

namespace modVW {
namespace {

// A field read whole that no encrypted file holds. (A file that ends inside a
// field is reported by the reader itself as input past its end.)
vw::Error Damaged(const std::string& path, const std::string& what) {
    return vw::Error(
        vw::ErrorNumber::InvalidFileFormat,
        "Invalid file format: '" + path + "' is not a valid encrypted file (" + what + ")");
}

// Reads an array header (dimensions, count, lower bound) and returns the count,
// checked against the bytes that remain. Every encrypted file begins with the
// payload's dimension count 1: a file that does not was never one.
uint32_t ReadArrayHeader(vw::FileReader& in, const char* what) {
    const bool first = in.Position() == 0;
    const uint16_t dims = in.ReadU16(what);
    if (dims != 1 && first)
        throw vw::Error(vw::ErrorNumber::InvalidFileFormat,
                        "Invalid file format: '" + in.Path() + "' is not a Vaultwise file");
    if (dims != 1)
        throw Damaged(in.Path(), std::string(what) + " has " + std::to_string(dims) +
                                     " dimensions instead of 1");
    const uint32_t count = in.ReadU32(what);
    const int32_t lowerBound = in.ReadI32(what);
    if (count > kMaxPayload)
        throw Damaged(in.Path(), std::string(what) + " claims " + std::to_string(count) +
                                     " bytes, more than an encrypted file can hold");
    if (lowerBound != 0)
        throw Damaged(in.Path(), std::string(what) + " has lower bound " +
                                     std::to_string(lowerBound) + " instead of 0");
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
    layout.PayloadSize = ReadArrayHeader(in, "the payload");
    in.Skip(layout.PayloadSize, "the payload");
    EncryptedRecord& f = layout.Fields;
    f.Password = in.ReadByteArray(ReadArrayHeader(in, "the password"), "the password");
    f.SourceKind = in.ReadI16("the source kind");
    f.SourceName = in.ReadText(in.ReadU16("the source name"), "the source name");
    // The table's values are checked where it is inverted, by the password check.
    for (int16_t& entry : f.Table)
        entry = in.ReadI16("the substitution table");
    return layout;
}

EncryptedRecord ReadRecord(const std::string& path) {
    RecordLayout layout = ReadRecordLayout(path);
    vw::FileReader in(path);
    in.Seek(kPayloadOffset, "the payload");
    layout.Fields.Data = in.ReadByteArray(layout.PayloadSize, "the payload");
    return std::move(layout.Fields);
}

void WriteRecordHead(vw::FileWriter& out, uint64_t payloadSize) {
    if (payloadSize > kMaxPayload)
        throw vw::Error(vw::ErrorNumber::InvalidCall,
                        "Invalid procedure call or argument: '" + out.Path() + "' cannot hold " +
                            std::to_string(payloadSize) +
                            " bytes; an encrypted file holds at most 2,147,483,647");
    WriteArrayHeader(out, payloadSize);
}

void WriteRecordTail(vw::FileWriter& out, const EncryptedRecord& fields) {
    if (fields.SourceName.size() > 0xFFFF)
        throw vw::Error(vw::ErrorNumber::InvalidCall,
                        "Invalid procedure call or argument: the source name is too long");
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
