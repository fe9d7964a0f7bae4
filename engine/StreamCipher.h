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
// `readAt` says, the name the record keeps (stored bytes) and the permission bits
// a new record file gets.
struct PlainPayload {
    vw::ByteSource& in;
    uint64_t size = 0;
    FilePosition readAt;
    std::string storedName;
    mode_t mode = 0600;
};

// Writes the record file `dest` for `payload`: a fresh table, the payload
// substituted chunk by chunk, then password, kind and name. `dest` is replaced
// only once it is complete.
void EncryptPayloadToRecord(const PlainPayload& payload, const std::string& dest,
                            const std::string& typedPassword, int16_t kind, Interaction& ui);

// Writes the record file `dest` for the file `source`: a fresh table, the payload
// substituted chunk by chunk, then password, kind and name. `dest` is replaced
// only once it is complete, so `dest` may be `source` itself.
void EncryptFileToRecord(const std::string& source, const std::string& dest,
                         const std::string& typedPassword, int16_t kind, Interaction& ui);

// Writes the restored payload of the record file `source`, described by `layout`,
// to `dest`.
void DecipherPayloadTo(const std::string& source, const RecordLayout& layout, vw::FileWriter& dest,
                       Interaction& ui);

}  // namespace modVW
