#pragma once
// Names an encrypted file stores must come back as themselves when it is
// decrypted; a name that cannot is refused before anything is written.

#include <string>
#include <vector>

namespace modVW {

// Throws vw::Error 52 naming the first file (full path) whose name would come
// back as another name (it is not valid UTF-8, so no stored form reads back as
// it), or that would come back as the same name as another file of the list.
void CheckStorableNames(const std::vector<std::string>& paths);

// `text` with bytes that are not valid UTF-8, and control characters, as \xHH.
std::string VisibleName(const std::string& text);

}  // namespace modVW
