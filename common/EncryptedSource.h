#pragma once
// An encrypted file opened for decryption, whatever its format. The decrypt
// procedure asks it only these questions, so every step around them (the password
// loop, the save and folder questions, the replacing writer) exists once for both
// the classic record (classic/ClassicRecordSource.h) and the sealed file
// (sealed/SealedFileSource.h).

#include <cstdint>
#include <memory>
#include <string>

#include "BinaryFile.h"
#include "ByteStream.h"
#include "Error.h"

namespace modVW {

class Interaction;

// What an encrypted file holds, in both formats: a file, or a folder.
namespace SourceKinds {
constexpr int16_t File = 1;
constexpr int16_t Folder = 2;
}  // namespace SourceKinds

class EncryptedSource {
public:
    virtual ~EncryptedSource() = default;

    // The text of the password question for this format.
    virtual vw::Template PasswordPrompt() const = 0;
    // True when `typed` is the password; from then on Kind and StoredName answer.
    // Throws vw::Error for a damaged file or a failing key derivation.
    virtual bool Opens(const std::string& typed, Interaction& ui) = 0;
    virtual int16_t Kind() const = 0;
    // The stored form of the name (see Text1252::NameToFile).
    virtual const std::string& StoredName() const = 0;
    // Writes the whole payload to `out` and checks it; throws vw::Error when it is
    // damaged. The caller keeps `out` out of sight until this returns.
    virtual void PayloadTo(vw::FileWriter& out, Interaction& ui) = 0;
    // The same, handed to `out` as it is restored: the bytes it holds, when known
    // before they are read (kUnknownSize otherwise), then the bytes themselves.
    static constexpr uint64_t kUnknownSize = ~uint64_t{0};
    virtual uint64_t PayloadSize() const { return kUnknownSize; }
    virtual void PayloadInto(vw::ByteSink& out, Interaction& ui) = 0;
    // A folder that comes as its whole tree (a sealed file of version 2) rather than
    // as a package: its payload is then read from TreePayload, which checks it chunk
    // by chunk and ends only at its verified end.
    virtual bool HoldsTree() const { return false; }
    virtual vw::ByteSource& TreePayload() {
        throw vw::Error(vw::ErrorNumber::InvalidCall, VW_TEXT("Procedures", "No tree"));
    }
};

}  // namespace modVW
