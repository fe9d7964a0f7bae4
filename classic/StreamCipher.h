#pragma once
// The payload loops over files instead of memory: a record is written while its
// source is read and substituted a chunk at a time, and a payload is restored the
// same way, so memory stays flat whatever the size of the file.

#include <sys/types.h>

#include <string>

#include "PayloadPipeline.h"
#include "RecordFile.h"

namespace modVW {

class Interaction;

// What a record is made from: `size` bytes from `in`, which lie in their files as
// `readAt` says, and the name the record keeps (stored bytes).
struct PlainPayload {
    vw::ByteSource& in;
    uint64_t size = 0;
    FilePosition readAt;
    std::string storedName;
};

// Writes the record of `payload` into `out`: a fresh table, the payload
// substituted chunk by chunk, then password, kind and name.
void EncryptPayloadToRecord(const PlainPayload& payload, vw::FileWriter& out,
                            const std::string& typedPassword, int16_t kind, Interaction& ui);

// The same for the file `in`, whose name is kept as `storedName` (stored form).
void EncryptFileToRecord(vw::FileReader& in, vw::FileWriter& out, const std::string& typedPassword,
                         int16_t kind, const std::string& storedName, Interaction& ui);

// Hands the restored payload of the record file `source`, described by `layout`,
// to `dest`, whose bytes lie in their files as `writeAt` says.
void DecipherPayloadInto(const std::string& source, const RecordLayout& layout, vw::ByteSink& dest,
                         const FilePosition& writeAt, Interaction& ui);

// The same into the file `dest`, from its current position.
void DecipherPayloadTo(const std::string& source, const RecordLayout& layout, vw::FileWriter& dest,
                       Interaction& ui);

}  // namespace modVW
