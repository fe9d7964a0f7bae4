#pragma once
// What an encrypted file holds, read without its password: the format protects
// none of this, since the table travels in the file.

#include <cstdint>
#include <string>
#include <vector>

namespace modVW {

class Interaction;

struct PackageEntryInfo {
    std::string Name;  // UTF-8
    int64_t Size = 0;
    int64_t StoredSize = 0;
    bool Compressed = false;
};

struct RecordSummary {
    int16_t SourceKind = 0;
    std::string SourceName;  // UTF-8
    uint64_t PayloadSize = 0;
    bool IsFolder = false;                  // every kind but 1 unpacks as a folder
    std::string Description;                // folders only
    std::vector<PackageEntryInfo> Entries;  // folders only
};

// Reads the record and, for a folder, lists its package (deciphered into the
// temporary package path, which is removed again). Throws vw::Error.
RecordSummary InspectRecord(const std::string& path, Interaction& ui);

// Fills the description and the entries of `summary` from the package file
// `packagePath` (a sealed folder's, once verified). Throws vw::Error.
void ListPackage(const std::string& packagePath, RecordSummary& summary);

}  // namespace modVW
