#pragma once
// The encrypt and decrypt procedures behind the desktop program's actions and the
// vw3 command. Every question goes through the Interaction; every failure ends the
// procedure with the error report; every cancel ends it silently.

#include <cstdint>
#include <string>

#include "Interaction.h"

namespace modVW {

// Which file an encryption writes: a sealed one when the chosen name ends in
// ".vws" (ByName), or always (Sealed, what `vw3 encrypt --sealed` asks for).
enum class OutputFormat { ByName, Sealed };

// Encrypts a file (kind 1) or a folder's own files (kind 2). An empty SourcePath
// makes the procedure ask for the source.
void Encrypt(Interaction& ui, int16_t SourceKind, const std::string& SourcePath,
             OutputFormat format = OutputFormat::ByName);

// Decrypts a .vw3 file, or a sealed file (see IsSealedFile), into a file or a
// folder, as the file says. An empty SourcePath makes the procedure ask for the
// encrypted file.
void Decrypt(Interaction& ui, const std::string& SourcePath);

// The file dialogs' type of sealed files, in the user's words.
std::string SealedFilter(Interaction& ui);

// The save dialog's flags for every destination: an existing file is replaced only
// after a question.
constexpr uint32_t kSaveFlags = DialogFlags::OFN_OVERWRITEPROMPT | DialogFlags::OFN_HIDEREADONLY;

// "DOC Files (*.doc)|*.doc|All Files (*.*)|*.*" for a stored name ending in .doc.
std::string FilterForName(Interaction& ui, const std::string& name);

// One fresh showing of the password dialog: the typed text, "" on cancel.
std::string AskPassword(Interaction& ui, const vw::Text& prompt);

// The part of `path` after its last "/"; "" when there is none or it ends in "/".
std::string FileNamePart(const std::string& path);

// The last name of `path`, trailing "/" not counted: "report.txt" for
// "/home/a/report.txt", "Trip" for "/home/a/Trip/".
std::string LastName(std::string path);

// The folder `path` is in: the part before its last "/" (trailing ones ignored), "/"
// for a path directly under it, "" for a bare name.
std::string FolderPart(std::string path);

// True when `name` names an entry of a folder when joined to it: not empty, not
// "." or "..", no "/".
bool IsPlainName(const std::string& name);

// The part of `name` after its last "."; "" when there is none.
std::string ExtensionPart(const std::string& name);

}  // namespace modVW
