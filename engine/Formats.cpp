#include "Formats.h"

#include "ClassicRecordSource.h"
#include "KeyCache.h"
#include "SealedFile.h"
#include "SealedFileSource.h"
#include "SealedWriting.h"
#include "StreamCipher.h"
#include "Text1252.h"

namespace modVW {

std::unique_ptr<EncryptedSource> OpenEncrypted(const std::string& path, KeyCache& keys) {
    if (IsSealedFile(path)) return OpenSealedSource(path, keys);
    return OpenClassicRecord(path);
}

void WriteEncrypted(bool sealed, vw::FileReader& in, vw::FileWriter& out,
                    const std::string& password, int16_t kind, const std::string& name,
                    Interaction& ui, KeyCache& keys) {
    const std::string stored = Text1252::NameToFile(name);
    if (sealed)
        SealFile(in, out, password, kind, stored, ui, &keys);
    else
        EncryptFileToRecord(in, out, password, kind, stored, ui);
}

}  // namespace modVW
