#pragma once
// The sealed file as the procedures see it: the header is checked when the file
// is opened, the password by its key check, and the content is handed on only
// chunk by verified chunk. New files are written in the current version.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "BinaryFile.h"
#include "EncryptedSource.h"

namespace modVW {

// Throws vw::Error (damaged) when the header is.
std::unique_ptr<EncryptedSource> OpenSealedSource(const std::string& path);

// Writes the sealed file of `in` (kind 1) into `out`; `storedName` is the stored
// form of its name.
void SealFile(vw::FileReader& in, vw::FileWriter& out, const std::string& password, int16_t kind,
              const std::string& storedName, Interaction& ui);

// Writes the sealed file of the whole tree under `folder` (kind 2) into `out`;
// `skipped` gets the entries left out (special files).
void SealTree(const std::string& folder, vw::FileWriter& out, const std::string& password,
              const std::string& storedName, Interaction& ui, std::vector<std::string>& skipped);

}  // namespace modVW
