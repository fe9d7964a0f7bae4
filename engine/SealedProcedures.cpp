#include "SealedProcedures.h"

#include <algorithm>
#include <optional>

#include "EncryptedRecord.h"
#include "Interaction.h"
#include "Progress.h"
#include "SealedFile.h"
#include "TreeArchive.h"

namespace modVW {
namespace {

class SealedFileSource : public EncryptedSource {
public:
    explicit SealedFileSource(const std::string& path)
        : in_(path), header_(ReadSealedHeader(in_)) {}

    const char* PasswordPrompt() const override {
        return "Sealed file password (letter case matters):";
    }
    bool Opens(const std::string& typed, Interaction& ui) override {
        CurrentProgress = 0;
        // Cancel is heard while the key is made and after each opened chunk; a
        // folder's extraction passes it on from inside libarchive.
        DeriveSealedKeys(
            typed, header_.Salt, header_.Cost, [&ui] { KeepResponsive(ui); }, keys_);
        if (!KeysMatch(header_, keys_)) return false;
        source_.reset();
        source_.emplace(in_, header_, keys_, [&ui](uint64_t done, uint64_t total) {
            CurrentProgress = ProgressAt(done, total);
            KeepResponsive(ui);
        });
        return true;
    }
    int16_t Kind() const override { return source_->Contents().Kind; }
    const std::string& StoredName() const override { return source_->Contents().StoredName; }
    void PayloadTo(vw::FileWriter& out, Interaction&) override {
        HandOn([&out] { return out.Position(); },
               [&out](const uint8_t* text, size_t n) { out.WriteBytes(text, n); });
    }
    void PayloadInto(vw::ByteSink& out, Interaction&) override {
        uint64_t at = 0;
        HandOn([&at] { return at; },
               [&](const uint8_t* text, size_t n) {
                   out.Write(text, n);
                   at += n;
               });
    }
    bool HoldsTree() const override {
        return header_.Version >= 2 && Kind() == SourceKinds::Folder;
    }
    vw::ByteSource& TreePayload() override { return *source_; }

private:
    // Written from the opened chunk itself; a version-1 piece goes through a
    // buffer placed where the output's position lies within a page.
    template <class Position, class Write>
    void HandOn(Position&& position, Write&& write) {
        ChunkBuffer scratch;
        for (;;) {
            const uint8_t* text = nullptr;
            const size_t got = source_->Take(text, kChunkText, scratch.PlacedFor(position()));
            if (got == 0) return;
            write(text, got);
        }
    }

    vw::FileReader in_;
    SealedHeader header_;
    SealedKeys keys_;
    std::optional<SealedSource> source_;
};

// Derives new keys for `password` and writes the sealed file with what `fill`
// gives the sink.
template <class Fill>
void Seal(vw::FileWriter& out, const std::string& password, const SealedContents& contents,
          Interaction& ui, Fill&& fill) {
    if (password.empty())
        throw vw::Error(vw::ErrorNumber::InvalidCall, "A sealed file needs a password");
    const SealedHeader header = NewSealedHeader(SealingCost);
    SealedKeys keys;
    CurrentProgress = 0;
    DeriveSealedKeys(
        password, header.Salt, header.Cost, [&ui] { KeepResponsive(ui); }, keys);
    SealingSink sink(out, header, keys, contents);
    fill(sink);
    sink.Finish();
}

}  // namespace

std::unique_ptr<EncryptedSource> OpenSealedSource(const std::string& path) {
    return std::make_unique<SealedFileSource>(path);
}

void SealFile(vw::FileReader& in, vw::FileWriter& out, const std::string& password, int16_t kind,
              const std::string& storedName, Interaction& ui) {
    Seal(out, password, {kind, storedName}, ui, [&](SealingSink& sink) {
        // Read straight into the chunk, not copied again.
        const uint64_t total = in.Size();
        while (in.Remaining() > 0) {
            size_t length = static_cast<size_t>(std::min<uint64_t>(kChunkText, in.Remaining()));
            uint8_t* at = sink.Room(length);
            in.ReadBytes(at, length, "the content");
            sink.Wrote(length);
            CurrentProgress = ProgressAt(in.Position(), total);
            KeepResponsive(ui);  // a cancel here leaves the unfinished output behind unseen
        }
    });
}

void SealTree(const std::string& folder, vw::FileWriter& out, const std::string& password,
              const std::string& storedName, Interaction& ui, std::vector<std::string>& skipped) {
    const uint64_t total = vw::tree::TreeContentBytes(folder);
    Seal(out, password, {SourceKinds::Folder, storedName}, ui, [&](SealingSink& sink) {
        // The content read so far, of what the listing found: a file that grew
        // meanwhile stops the count at 100.
        vw::tree::WriteTree(folder, sink, skipped, [&](uint64_t done) {
            if (total) CurrentProgress = ProgressAt(std::min(done, total), total);
            KeepResponsive(ui);  // a cancel here leaves the unfinished output behind unseen
        });
    });
}

}  // namespace modVW
