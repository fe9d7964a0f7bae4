#include "SealedProcedures.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "EncryptedRecord.h"
#include "Interaction.h"
#include "PayloadPipeline.h"
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

// A fresh header and the keys `password` makes with it.
SealedHeader NewKeys(const std::string& password, Interaction& ui, SealedKeys& keys) {
    if (password.empty())
        throw vw::Error(vw::ErrorNumber::InvalidCall, "A sealed file needs a password");
    SealedHeader header = NewSealedHeader(SealingCost);
    CurrentProgress = 0;
    DeriveSealedKeys(
        password, header.Salt, header.Cost, [&ui] { KeepResponsive(ui); }, keys);
    return header;
}

// The first chunk's text begins with the contents; the file follows them.
class ContentsThenFile : public vw::ByteSource {
public:
    ContentsThenFile(std::vector<uint8_t> contents, vw::FileReader& file)
        : contents_(std::move(contents)), file_(file) {}
    size_t Read(uint8_t* data, size_t len) override {
        if (at_ == contents_.size()) return file_.Read(data, len);
        const size_t n = std::min(len, contents_.size() - at_);
        std::memcpy(data, contents_.data() + at_, n);
        at_ += n;
        return n;
    }

private:
    std::vector<uint8_t> contents_;
    size_t at_ = 0;
    FileSource file_;
};

}  // namespace

std::unique_ptr<EncryptedSource> OpenSealedSource(const std::string& path) {
    return std::make_unique<SealedFileSource>(path);
}

// A file's chunks are read, sealed and written by the payload pipeline, each on
// one processor from its read to its write, as a classic record's payload is.
void SealFile(vw::FileReader& in, vw::FileWriter& out, const std::string& password, int16_t kind,
              const std::string& storedName, Interaction& ui) {
    static_assert(kPayloadChunk == kChunkText, "a pipeline chunk is a sealed chunk's text");
    SealedKeys keys;
    const SealedStart start(out, NewKeys(password, ui, keys), keys);
    const ChunkKey key = start.Key();
    // The chunks count from the text's start, so the file is read from its own.
    in.Seek(0, "the content");
    std::vector<uint8_t> contents = ContentsText({kind, storedName});
    const uint64_t lead = contents.size(), total = lead + in.Size(), chunksAt = out.Position();
    ContentsThenFile text(std::move(contents), in);
    FileSink sink(out);
    RunPayloadPipeline(
        {text, sink, [lead](uint64_t at) { return at < lead ? 0 : at - lead; },
         [chunksAt](uint64_t at) { return chunksAt + at / kChunkText * kChunkSealed; }, kChunkTag},
        total,
        [&key, total](uint8_t* chunk, size_t len, uint64_t at) {
            SealChunk(key, at / kChunkText, at + len == total, chunk, len);
        },
        [&](uint64_t at, size_t len) {
            CurrentProgress = ProgressAt(at + len, total);
            KeepResponsive(ui);  // a cancel here leaves the unfinished output behind unseen
        });
}

void SealTree(const std::string& folder, vw::FileWriter& out, const std::string& password,
              const std::string& storedName, Interaction& ui, std::vector<std::string>& skipped) {
    const uint64_t total = vw::tree::TreeContentBytes(folder, [&ui] { KeepResponsive(ui); });
    SealedKeys keys;
    SealingSink sink(out, NewKeys(password, ui, keys), keys, {SourceKinds::Folder, storedName});
    // The content read so far, of what the listing found: a file that grew
    // meanwhile stops the count at 100.
    vw::tree::WriteTree(folder, sink, skipped, [&](uint64_t done) {
        if (total) CurrentProgress = ProgressAt(std::min(done, total), total);
        KeepResponsive(ui);  // a cancel here leaves the unfinished output behind unseen
    });
    sink.Finish();
}

}  // namespace modVW
