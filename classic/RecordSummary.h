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

// Reads the record and, for a folder, lists its package as it is deciphered,
// nothing written anywhere. Throws vw::Error.
RecordSummary InspectRecord(const std::string& path, Interaction& ui);

}  // namespace modVW
