#include "PackageCheck.h"

#include <map>

#include "EntryCompression.h"

namespace vw::stuf {
namespace {

// The first reading keeps none of the contents.
class Dropped : public SlotContents {
public:
    void Begin(uint32_t, uint32_t) override {}
    void Bytes(const uint8_t*, size_t) override {}
    void End() override {}
};

void Drop(const uint8_t*, size_t) {}

}  // namespace

// The second reading expands the compressed files' slots as they stream. An
// extraction expands files in their order after every name is checked, so the
// failure kept is the first file's, and reported only once the reading ended.
class PackageCheck::Expander : public SlotContents {
public:
    explicit Expander(const std::vector<PackageFile>& files) {
        for (const auto& file : files)
            if (file.compressed) compressed_.emplace(file.number, &file);
    }

    void Begin(uint32_t slot, uint32_t) override {
        const auto it = compressed_.find(slot);
        if (it == compressed_.end() || failure_) return;
        const PackageFile& file = *it->second;
        slot_ = slot;
        inflater_ = std::make_unique<EntryInflater>(file.fileSize, Drop,
                                                    EntryLabel(file.number, file.name));
    }
    void Bytes(const uint8_t* data, size_t n) override {
        Kept([&] { inflater_->Feed(data, n); });
    }
    void End() override {
        Kept([&] { inflater_->Finish(); });
        inflater_.reset();
    }

    // The failure of slot `number`, if it failed.
    const Error* FailureOf(uint32_t number) const {
        return failure_ && failure_->first == number ? &failure_->second : nullptr;
    }

private:
    template <class Step>
    void Kept(Step&& step) {
        if (!inflater_) return;
        try {
            step();
        } catch (const Error& e) {
            failure_.emplace(slot_, e);
            inflater_.reset();
        }
    }

    std::map<uint32_t, const PackageFile*> compressed_;
    std::unique_ptr<EntryInflater> inflater_;
    uint32_t slot_ = 0;
    std::optional<std::pair<uint32_t, Error>> failure_;
};

PackageCheck::PackageCheck(uint64_t size, std::string label)
    : size_(size),
      label_(std::move(label)),
      contents_(std::make_unique<Dropped>()),
      reader_(std::make_unique<PackageReader>(size_, label_, *contents_)) {}

PackageCheck::~PackageCheck() = default;

bool PackageCheck::ReadAgain() {
    if (expander_) {
        reader_->Finish(0);
        ThrowFirstFailure();
        return false;
    }
    files_ = reader_->Finish(0);
    bool compressed = false;
    for (const auto& file : files_)
        compressed = compressed || file.compressed;
    if (!compressed) return false;
    expander_ = std::make_unique<Expander>(files_);
    reader_ = std::make_unique<PackageReader>(size_, label_, *expander_);
    return true;
}

// In file order, as the extraction expands them: a slot that failed, or a
// compressed file without contents, which expands to nothing.
void PackageCheck::ThrowFirstFailure() const {
    for (const auto& file : files_) {
        if (!file.compressed) continue;
        if (const Error* failure = expander_->FailureOf(file.number)) throw *failure;
        if (!file.hasContents) {
            EntryInflater empty(file.fileSize, Drop, EntryLabel(file.number, file.name));
            empty.Finish();
        }
    }
}

}  // namespace vw::stuf
