#pragma once
// Checking a file without restoring it, and reading what it holds: the decrypt
// procedure's own steps (the file opened as an EncryptedSource, the password
// asked until it opens, the payload through the same readers: the payload
// pipeline or the chunks, the tree reader, the package reader) with the output
// side replaced by one that writes nothing anywhere. What an extraction would
// refuse is refused here with the same report.

#include <string>

#include "Listing.h"

namespace modVW {

class Interaction;

// Opens `source` as Decrypt does, asks for the password until it opens, and reads
// the whole payload through every check an extraction makes. True when all of it
// passed (for a classic file that is all its format can show: it holds no
// checksum); false after a cancel, or after the failure is reported as Decrypt
// reports it. `holdings`, when given, gets what the file holds.
bool Verify(Interaction& ui, const std::string& source, Holdings* holdings = nullptr);

// The same for a classic file, without asking for its password: the format does
// not need it to read the contents. Refuses a sealed file.
bool ReadClassic(Interaction& ui, const std::string& source, Holdings& holdings);

}  // namespace modVW
