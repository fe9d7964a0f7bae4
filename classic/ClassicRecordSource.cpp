#include "ClassicRecordSource.h"

#include "Cipher.h"
#include "RecordFile.h"
#include "StreamCipher.h"

namespace modVW {
namespace {

// A classic record: the fields around the payload are read at once, so a file
// that is no record is reported before any question, and again for every password
// tried, since the file may change between attempts; the password is compared with
// the one the table restores.
class ClassicRecordSource : public EncryptedSource {
public:
    explicit ClassicRecordSource(const std::string& path)
        : path_(path), layout_(ReadRecordLayout(path)) {}

    vw::Template PasswordPrompt() const override {
        return VW_TEXT("Procedures", "Please enter the password for the encrypted file:");
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

std::unique_ptr<EncryptedSource> OpenClassicRecord(const std::string& path) {
    return std::make_unique<ClassicRecordSource>(path);
}

}  // namespace modVW
