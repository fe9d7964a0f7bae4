#pragma once
// The payload loops over files instead of memory: a record is written while its
// source is read and substituted a chunk at a time, and a payload is restored the
// same way, so memory stays flat whatever the size of the file.

#include <string>

#include "RecordFile.h"

namespace modVW {

class Interaction;

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
