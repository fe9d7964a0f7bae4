#pragma once
// The sealed file as the decrypt procedure sees it (an EncryptedSource): the
// header is checked when the file is opened, the password by its key check, and
// the content is handed on only chunk by verified chunk.

#include <memory>
#include <string>

#include "EncryptedSource.h"

namespace modVW {

class KeyCache;

// Throws vw::Error (damaged) when the header is. Its keys come from `keys`, which
// must outlive it.
std::unique_ptr<EncryptedSource> OpenSealedSource(const std::string& path, KeyCache& keys);

}  // namespace modVW
