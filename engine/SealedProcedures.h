#pragma once
// The sealed file as the decrypt procedure sees it: the header is checked when the
// file is opened, the password by its key check, and the content is handed on only
// piece by verified piece.

#include <memory>
#include <string>

#include "EncryptedSource.h"

namespace modVW {

// Throws vw::Error (damaged) when the header is.
std::unique_ptr<EncryptedSource> OpenSealedSource(const std::string& path);

}  // namespace modVW
