#pragma once
// The payload loops over files instead of memory: a record is written while its
// source is read and substituted a chunk at a time, and a payload is restored the
// same way, so memory stays flat whatever the size of the file.

#include <string>

#include "RecordFile.h"

namespace modVW {

class Interaction;

// Writes the record of `in` into `out`: a fresh table, the payload substituted
// chunk by chunk, then password, kind and `storedName` (already in stored form).
void EncryptFileToRecord(vw::FileReader& in, vw::FileWriter& out, const std::string& typedPassword,
                         int16_t kind, const std::string& storedName, Interaction& ui);

// Writes the restored payload of the record file `source`, described by `layout`,
// to `dest`.
void DecipherPayloadTo(const std::string& source, const RecordLayout& layout, vw::FileWriter& dest,
                       Interaction& ui);

}  // namespace modVW
