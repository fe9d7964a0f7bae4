#pragma once
// The two formats side by side: a file is opened as the one it is, and written
// as the one asked for.

#include <memory>
#include <string>

#include "BinaryFile.h"
#include "EncryptedSource.h"

namespace modVW {

class KeyCache;

// Opens `path` as a sealed file when it is one (see IsSealedFile), else as a
// classic record, and reads what can be checked before a password is known.
// Throws vw::Error when that is damaged or cannot be read. A sealed file's keys
// come from `keys`, which must outlive the source.
std::unique_ptr<EncryptedSource> OpenEncrypted(const std::string& path, KeyCache& keys);

// Writes the encrypted form of `in` into `out`: a sealed file or a classic record.
// `kind` and the stored form of `name` travel with it; a sealed file gets the
// salt and keys of the batch `keys` serves.
void WriteEncrypted(bool sealed, vw::FileReader& in, vw::FileWriter& out,
                    const std::string& password, int16_t kind, const std::string& name,
                    Interaction& ui, KeyCache& keys);

}  // namespace modVW
