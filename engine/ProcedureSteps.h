#pragma once
// The steps of Encrypt and Decrypt that a batch takes again for each of its items,
// so that one item and many go through the very same code.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "FolderPackaging.h"
#include "Interaction.h"

namespace modVW {

class EncryptedSource;
class KeyCache;

// What one encryption reads and writes.
struct EncryptionPlan {
    std::string Source;  // the file or folder read
    int16_t Kind = 1;    // 1 a file, 2 a folder
    std::string Dest;    // the file written
    bool Sealed = false;
    std::optional<FolderListing> Folder;  // a classic folder's own files
    std::vector<std::string> Items;       // several files and folders sealed as one tree
    bool Tree() const { return Sealed && Kind == 2; }
};

// A new password for a classic or a sealed file, asked twice until both answers
// agree; a weak sealed password is warned about once, and asked again when the
// user does not want it. "" when cancelled.
std::string AskNewPassword(Interaction& ui, bool sealed);

// Lists the folder of `plan` for a classic file, and asks about the entries that
// leaves out. False after the error report (the classic format cannot hold the
// folder) or when the user does not go on.
bool ListClassicFolder(Interaction& ui, EncryptionPlan& plan);

// Writes what `plan` says, sealed files with the salt and keys `keys` serves;
// true once the output is in place (and told through Interaction::Wrote). A
// failure is reported; a cancel ends it silently.
bool WriteEncryption(Interaction& ui, const EncryptionPlan& plan, const std::string& password,
                     KeyCache& keys);

// Passwords that opened earlier files of a batch, tried on the next before a
// question; wiped when the batch ends.
struct KnownPasswords {
    std::vector<std::string> List;
    ~KnownPasswords();
};

// How an item of a batch ended: the next one follows a Done or a Failed item
// (failures are reported), nothing follows a Stopped one (the user cancelled).
enum class ItemEnd { Done, Failed, Stopped };

// Opens the file at `source` (see OpenEncrypted) into `file`, with its password:
// the known ones first, with no question; one the user types that opens it
// becomes known. The first steps of DecryptItem, and of whatever else reads a
// file's contents (Verify). Done once it opens; Stopped when the user cancels,
// Failed after the error report.
ItemEnd OpenItem(Interaction& ui, const std::string& source, KeyCache& keys, KnownPasswords& known,
                 std::unique_ptr<EncryptedSource>& file);

// Decrypts the file at `source`: its password (the known ones first, with no
// question; one the user types that opens it becomes known), then its output,
// where `ui`'s destination questions put it.
ItemEnd DecryptItem(Interaction& ui, const std::string& source, KeyCache& keys,
                    KnownPasswords& known);

}  // namespace modVW
