#include "SealedWriting.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "Interaction.h"
#include "KeyCache.h"
#include "PasswordForm.h"
#include "PayloadPipeline.h"
#include "Progress.h"
#include "SealedFile.h"
#include "TreeArchive.h"

namespace modVW {
namespace {

// The header of a new file, with the batch's salt, and the keys `password` makes
// with it: derived for the batch's first file, the same for the others.
const SealedKeys& NewKeys(const std::string& password, Interaction& ui, KeyCache& cache,
                          SealedHeader& header) {
    if (password.empty())
        throw vw::Error(vw::ErrorNumber::InvalidCall,
                        VW_TEXT("Procedures", "A sealed file needs a password"));
    header = cache.NewHeader(SealingCost);
    CurrentProgress = 0;
    const WipedText composed{ComposedPassword(password)};
    return cache.Keys(composed.text, header.Salt, header.Cost, [&ui] { KeepResponsive(ui); });
}

// The cache given, or one of the call's own.
struct CacheOrOwn {
    explicit CacheOrOwn(KeyCache* given) : cache(given ? *given : own.emplace()) {}
    std::optional<KeyCache> own;
    KeyCache& cache;
};

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

// A file's chunks are read, sealed and written by the payload pipeline, each on
// one processor from its read to its write, as a classic record's payload is.
void SealFile(vw::FileReader& in, vw::FileWriter& out, const std::string& password, int16_t kind,
              const std::string& storedName, Interaction& ui, KeyCache* cache) {
    static_assert(kPayloadChunk == kChunkText, "a pipeline chunk is a sealed chunk's text");
    CacheOrOwn keys(cache);
    SealedHeader header;
    const SealedKeys& derived = NewKeys(password, ui, keys.cache, header);
    const SealedStart start(out, header, derived);
    const ChunkKey key = start.Key();
    // The chunks count from the text's start, so the file is read from its own.
    in.Seek(0, VW_FIELD("Fields", "the content"));
    std::vector<uint8_t> contents = ContentsText({kind, storedName});
    const uint64_t lead = contents.size(), total = lead + in.Size(), chunksAt = out.Position();
    ContentsThenFile text(std::move(contents), in);
    FileSink sink(out);
    // Text byte `at` is the file's byte at - lead; the first chunk is placed as if
    // the contents before the file came from just before it (the offset wraps), so
    // that the file's first byte lands where a page starts, as it lies in its file.
    RunPayloadPipeline(
        {text, sink, [lead](uint64_t at) { return at - lead; },
         [chunksAt](uint64_t at) { return chunksAt + at / kChunkText * kChunkSealed; }, kChunkTag,
         0, [](uint64_t at) { return at; }},
        total,
        [&key, total](uint8_t* chunk, size_t len, uint64_t at) {
            SealChunk(key, at / kChunkText, at + len == total, chunk, len);
        },
        [&](uint64_t at, size_t len) {
            CurrentProgress = ProgressAt(at + len, total);
            KeepResponsive(ui);  // a cancel here leaves the unfinished output behind unseen
        });
}

namespace {

// A tree written by `write` into a sealed file of kind 2, its progress counted
// against `total` bytes of content.
template <class WriteTree>
void SealWrittenTree(uint64_t total, WriteTree&& write, vw::FileWriter& out,
                     const std::string& password, const std::string& storedName, Interaction& ui,
                     KeyCache& keys) {
    SealedHeader header;
    const SealedKeys& derived = NewKeys(password, ui, keys, header);
    SealingSink sink(out, header, derived, {SourceKinds::Folder, storedName});
    // The content read so far, of what the listing found: a file that grew
    // meanwhile stops the count at 100.
    write(sink, [&](uint64_t done) {
        if (total) CurrentProgress = ProgressAt(std::min(done, total), total);
        KeepResponsive(ui);  // a cancel here leaves the unfinished output behind unseen
    });
    sink.Finish();
}

}  // namespace

void SealTree(const std::string& folder, vw::FileWriter& out, const std::string& password,
              const std::string& storedName, Interaction& ui, std::vector<std::string>& skipped,
              KeyCache* cache) {
    const uint64_t total = vw::tree::TreeContentBytes(folder, [&ui] { KeepResponsive(ui); });
    CacheOrOwn keys(cache);
    SealWrittenTree(
        total,
        [&](vw::ByteSink& sink, const vw::tree::TreeTurn& turn) {
            vw::tree::WriteTree(folder, sink, skipped, turn);
        },
        out, password, storedName, ui, keys.cache);
}

void SealItems(const std::vector<std::string>& items, vw::FileWriter& out,
               const std::string& password, const std::string& storedName, Interaction& ui,
               std::vector<std::string>& skipped, KeyCache& keys) {
    uint64_t total = 0;
    for (const auto& item : items) {
        struct stat st {};
        if (::lstat(item.c_str(), &st) == 0 && S_ISREG(st.st_mode))
            total += static_cast<uint64_t>(st.st_size);
        else
            total += vw::tree::TreeContentBytes(item, [&ui] { KeepResponsive(ui); });
    }
    SealWrittenTree(
        total,
        [&](vw::ByteSink& sink, const vw::tree::TreeTurn& turn) {
            vw::tree::WriteItems(items, sink, skipped, turn);
        },
        out, password, storedName, ui, keys);
}

}  // namespace modVW
