#pragma once
// Sealed files written: a file, a folder's tree, or a batch's items in one tree,
// each in the current version, with the salt and keys of the batch when one is
// given.

#include <string>
#include <vector>

#include "BinaryFile.h"
#include "EncryptedSource.h"

namespace modVW {

class KeyCache;

// Writes the sealed file of `in` (kind 1) into `out`; `storedName` is the stored
// form of its name. With `keys`, the file gets the salt and keys of the batch the
// cache serves; without, its own.
void SealFile(vw::FileReader& in, vw::FileWriter& out, const std::string& password, int16_t kind,
              const std::string& storedName, Interaction& ui, KeyCache* keys = nullptr);

// Writes the sealed file of the whole tree under `folder` (kind 2) into `out`;
// `skipped` gets the entries left out (special files).
void SealTree(const std::string& folder, vw::FileWriter& out, const std::string& password,
              const std::string& storedName, Interaction& ui, std::vector<std::string>& skipped,
              KeyCache* keys = nullptr);

// Writes one sealed file (kind 2) holding the files and folders `items` as the
// top-level entries of its tree, with the salt and keys `keys` serves.
void SealItems(const std::vector<std::string>& items, vw::FileWriter& out,
               const std::string& password, const std::string& storedName, Interaction& ui,
               std::vector<std::string>& skipped, KeyCache& keys);

}  // namespace modVW
