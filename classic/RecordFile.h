#pragma once
// The .vw3 file: one EncryptedRecord, field by field, little-endian, no padding.
//
//   u16 1, i32 N, i32 0, N payload bytes          (Data)
//   u16 1, i32 L+1, i32 0, 0, L password codes    (Password)
//   i16 SourceKind, u16 n, n name bytes           (SourceKind, SourceName)
//   256 x i16                                     (Table)
//
// No signature, version or checksum; the record ends at 537 + N + L + n.

#include <cstdint>
#include <string>

#include "BinaryFile.h"
#include "EncryptedRecord.h"

namespace modVW {

constexpr uint64_t kMaxPayload = 2147483647;  // the 32-bit signed element count
constexpr uint64_t kPayloadOffset = 10;

// Everything of a record file but the payload bytes, which stay on disk.
struct RecordLayout {
    uint64_t PayloadSize = 0;  // N; the payload starts at kPayloadOffset
    EncryptedRecord Fields;    // Password, SourceKind, SourceName, Table; Data empty
};

// Reads and checks the fields around the payload. Throws vw::Error for a file
// that is truncated, has a dimension count other than 1, a lower bound other than
// 0, or a count larger than the file.
RecordLayout ReadRecordLayout(const std::string& path);

// Reads the whole record, payload included.
EncryptedRecord ReadRecord(const std::string& path);

// The payload header; throws vw::Error when N is too large for the format.
void WriteRecordHead(vw::FileWriter& out, uint64_t payloadSize);
// Everything after the payload: password, kind, name and table.
void WriteRecordTail(vw::FileWriter& out, const EncryptedRecord& fields);

// Writes the whole record from offset 0 without truncating a longer file.
void WriteRecord(const std::string& path, const EncryptedRecord& record);

}  // namespace modVW
