#pragma once
// The form of a password that a sealed file's key is derived from. The same
// word reaches us as different bytes depending on the keyboard and the system
// it was typed on: "café" with "é" as one character (U+00E9) or as "e" and a
// combining accent (U+0301). Unicode's normal form C (NFC, composed) gives both
// the same bytes, so the password a person knows opens the file wherever it is
// typed. Files sealed before took the password as typed; see SealedFileSource.

#include <string>

#include "SealedKey.h"

namespace modVW {

// The NFC form of `typed`, in UTF-8; text that is already in it comes back as
// it is. Text that is not valid UTF-8 also comes back unchanged: the key
// derivation refuses it with its own message. Throws vw::Error when the
// normaliser cannot run. The caller wipes the result (WipeText) like the
// password itself; the buffers used on the way are wiped here.
std::string ComposedPassword(const std::string& typed);

// A password's other form, wiped on every way out.
struct WipedText {
    std::string text;
    ~WipedText() { WipeText(text); }
};

}  // namespace modVW
