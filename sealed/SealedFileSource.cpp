#include "SealedFileSource.h"

#include <optional>
#include <vector>

#include "Interaction.h"
#include "KeyCache.h"
#include "PasswordForm.h"
#include "PayloadPipeline.h"
#include "Progress.h"
#include "SealedFile.h"

namespace modVW {
namespace {

class SealedFileSource : public EncryptedSource {
public:
    SealedFileSource(const std::string& path, KeyCache& keys)
        : in_(path), header_(ReadSealedHeader(in_)), cache_(keys) {}

    vw::Template PasswordPrompt() const override {
        return VW_TEXT("Procedures", "Sealed file password (letter case matters):");
    }
    bool Opens(const std::string& typed, Interaction& ui) override {
        CurrentProgress = 0;
        // Cancel is heard while the key is made and after each opened chunk; a
        // folder's extraction passes it on from inside libarchive.
        keys_ = OpenedBy(typed, ui);
        if (!keys_) return false;
        Start(ui);
        return true;
    }
    int16_t Kind() const override { return source_->Contents().Kind; }
    const std::string& StoredName() const override { return source_->Contents().StoredName; }
    void PayloadTo(vw::FileWriter& out, Interaction& ui) override {
        if (source_->Chunks()) return OpenChunksTo(out, ui);
        HandOn([&out] { return out.Position(); },
               [&out](const uint8_t* text, size_t n) { out.WriteBytes(text, n); });
    }
    void PayloadInto(vw::ByteSink& out, Interaction& ui) override {
        if (handedOn_) Start(ui);  // read again (a package's check): from the first chunk
        handedOn_ = true;
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
    // The content from its start, the contents checked at once.
    void Start(Interaction& ui) {
        source_.reset();
        source_.emplace(in_, header_, *keys_,
                        [&ui](uint64_t done, uint64_t total) { Turn(ui, done, total); });
        handedOn_ = false;
    }

    // The user hears of the file bytes read so far, and may cancel.
    static void Turn(Interaction& ui, uint64_t done, uint64_t total) {
        CurrentProgress = ProgressAt(done, total);
        KeepResponsive(ui);
    }

    // The rest of the first chunk, opened with the contents, then the chunks after
    // it through the payload pipeline: each read, opened and written on one
    // processor, as a sealed file's chunks are sealed.
    void OpenChunksTo(vw::FileWriter& out, Interaction& ui) {
        ChunkReader& chunks = *source_->Chunks();
        const ChunkReader::Rest rest = chunks.TakeRest();
        out.WriteBytes(rest.text, rest.length);
        in_.Seek(rest.offset, "a chunk");
        FileSource sealed(in_);
        FileSink sink(out);
        const ChunkKey& key = chunks.Key();
        const vw::Error damaged = DamagedError(in_.Path());
        const uint64_t total = rest.textBytes, writeFrom = out.Position();
        // Where the chunk holding text byte `at` of the rest starts in the file.
        const auto chunkAt = [&rest](uint64_t at) {
            return rest.offset + at / kChunkText * kChunkSealed;
        };
        RunPayloadPipeline(
            {sealed, sink, chunkAt, [writeFrom](uint64_t at) { return writeFrom + at; }, 0,
             kChunkTag, [](uint64_t at) { return at; }},
            total,
            [&](uint8_t* text, size_t len, uint64_t at) {
                if (!OpenChunk(key, rest.index + at / kChunkText, at + len == total, text, len))
                    throw damaged;
            },
            [&](uint64_t at, size_t len) { Turn(ui, chunkAt(at) + len + kChunkTag, in_.Size()); });
    }

    // The keys that open the file, or nothing. New files take their key from the
    // composed password; a file sealed before took it from the password as typed,
    // which is tried once more when it is another text, so only those passwords
    // cost a second derivation.
    const SealedKeys* OpenedBy(const std::string& typed, Interaction& ui) {
        const auto turn = [&ui] { KeepResponsive(ui); };
        const WipedText composed{ComposedPassword(typed)};
        const SealedKeys* keys = &cache_.Keys(composed.text, header_.Salt, header_.Cost, turn);
        if (KeysMatch(header_, *keys)) return keys;
        if (composed.text == typed) return nullptr;
        keys = &cache_.Keys(typed, header_.Salt, header_.Cost, turn);
        return KeysMatch(header_, *keys) ? keys : nullptr;
    }

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
    KeyCache& cache_;                   // holds the keys the source reads with
    const SealedKeys* keys_ = nullptr;  // the cache's, that opened the file
    std::optional<SealedSource> source_;
    bool handedOn_ = false;  // source_ has been read from
};

}  // namespace

std::unique_ptr<EncryptedSource> OpenSealedSource(const std::string& path, KeyCache& keys) {
    return std::make_unique<SealedFileSource>(path, keys);
}

}  // namespace modVW
