#include "SealedProcedures.h"

#include <optional>

#include "SealedFile.h"

namespace modVW {
namespace {

class SealedSource : public EncryptedSource {
public:
    explicit SealedSource(const std::string& path) : in_(path), header_(ReadSealedHeader(in_)) {}

    const char* PasswordPrompt() const override {
        return "Sealed file password (letter case matters):";
    }
    bool Opens(const std::string& typed, Interaction& ui) override {
        DeriveSealedKeys(typed, header_.Salt, header_.Cost, ui, keys_);
        if (!KeysMatch(header_, keys_)) return false;
        stream_.emplace(in_, header_, keys_);
        contents_ = stream_->ReadContents();
        return true;
    }
    int16_t Kind() const override { return contents_.Kind; }
    const std::string& StoredName() const override { return contents_.StoredName; }
    void PayloadTo(vw::FileWriter& out, Interaction& ui) override { stream_->ContentTo(out, ui); }

private:
    vw::FileReader in_;
    SealedHeader header_;
    SealedKeys keys_;
    std::optional<SealedStream> stream_;
    SealedContents contents_;
};

}  // namespace

std::unique_ptr<EncryptedSource> OpenSealedSource(const std::string& path) {
    return std::make_unique<SealedSource>(path);
}

}  // namespace modVW
