#pragma once
// The encrypt and decrypt procedures behind the desktop program's actions and the
// vw3 command. Every question goes through the Interaction; every failure ends the
// procedure with the error report; every cancel ends it silently.

#include <cstdint>
#include <string>

namespace modVW {

class Interaction;

// Encrypts a file (kind 1) or a folder's own files (kind 2). An empty SourcePath
// makes the procedure ask for the source.
void Encrypt(Interaction& ui, int16_t SourceKind, const std::string& SourcePath);

// Decrypts a .vw3 file into a file or a folder, as the file says. An empty
// SourcePath makes the procedure ask for the encrypted file.
void Decrypt(Interaction& ui, const std::string& SourcePath);

// One fresh showing of the password dialog: the typed text, "" on cancel.
std::string AskPassword(Interaction& ui, const std::string& prompt);

// The part of `path` after its last "/"; "" when there is none or it ends in "/".
std::string FileNamePart(const std::string& path);

// The part of `name` after its last "."; "" when there is none.
std::string ExtensionPart(const std::string& name);

}  // namespace modVW
