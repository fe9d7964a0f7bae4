#pragma once
// The classic record as the decrypt procedure sees it (an EncryptedSource).

#include <memory>
#include <string>

#include "EncryptedSource.h"

namespace modVW {

// Reads the record's fields around the payload; throws vw::Error when the file
// is no record.
std::unique_ptr<EncryptedSource> OpenClassicRecord(const std::string& path);

}  // namespace modVW
