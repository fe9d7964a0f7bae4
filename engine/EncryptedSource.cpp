#include "EncryptedSource.h"

#include "Cipher.h"
#include "KeyCache.h"
#include "RecordFile.h"
#include "SealedFile.h"
#include "SealedProcedures.h"
#include "StreamCipher.h"
#include "Text1252.h"

namespace modVW {
namespace {

// A classic record: the fields around the payload are read at once, so a file
// that is no record is reported before any question, and again for every password
// tried, since the file may change between attempts; the password is compared with
// the one the table restores.
class ClassicSource : public EncryptedSource {
public:
    explicit ClassicSource(const std::string& path)
        : path_(path), layout_(ReadRecordLayout(path)) {}

    const char* PasswordPrompt() const override {
        return "Please enter the password for the encrypted file:";
    }
    bool Opens(const std::string& typed, Interaction& ui) override {
        layout_ = ReadRecordLayout(path_);
        return CheckPassword(layout_.Fields, typed, ui);
    }
    int16_t Kind() const override { return layout_.Fields.SourceKind; }
    const std::string& StoredName() const override { return layout_.Fields.SourceName; }
    void PayloadTo(vw::FileWriter& out, Interaction& ui) override {
        DecipherPayloadTo(path_, layout_, out, ui);
    }
    uint64_t PayloadSize() const override { return layout_.PayloadSize; }
    void PayloadInto(vw::ByteSink& out, Interaction& ui) override {
        DecipherPayloadInto(
            path_, layout_, out, [](uint64_t off) { return off; }, ui);
    }

private:
    std::string path_;
    RecordLayout layout_;
};

}  // namespace

std::unique_ptr<EncryptedSource> OpenEncrypted(const std::string& path, KeyCache& keys) {
    if (IsSealedFile(path)) return OpenSealedSource(path, keys);
    return std::make_unique<ClassicSource>(path);
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
