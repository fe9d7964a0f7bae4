#pragma once
// Several files or folders in one run, as a file manager's selection hands them
// over. Encrypting asks once for the format and once for the password, and
// writes one output per item beside its source (each with the replace question
// when one exists), or one sealed file holding them all; decrypting takes each
// file in turn, asks a password only when none of those already typed opens it,
// and writes each output beside its encrypted file. Sealed files written or
// opened together pay for one key derivation (see KeyCache). The user interface
// hears which item runs (Interaction::WorkingOn); Cancel in the progress window
// stops the whole batch: the items done stay, the one at work leaves nothing.

#include <string>
#include <vector>

#include "Interaction.h"

namespace modVW {

// The answers to the batch's format question, in the order offered.
enum BatchFormat { kClassicFiles = 0, kSealedFiles = 1, kOneSealedFile = 2 };

void EncryptBatch(Interaction& ui, const std::vector<std::string>& sources);
void DecryptBatch(Interaction& ui, const std::vector<std::string>& sources);

// The text of the question before `path` is replaced by an item's output.
vw::Text ReplaceItemText(const std::string& path);

}  // namespace modVW
