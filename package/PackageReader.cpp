#include "PackageReader.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <map>

#include "BinaryFile.h"
#include "Error.h"
#include "PackageExtraction.h"
#include "PackageFormat.h"
#include "PackageRefusals.h"
#include "Text1252.h"

namespace vw::stuf {

// The fields in file order. Fields are little-endian, texts a 16-bit length and
// their bytes; a slot is its Contents (dimension count, then length, lower bound
// and bytes when sized), name, FileSize, Compressed, two texts and eight bytes.
enum class PackageReader::Step : uint8_t {
    DescriptionLength,
    Description,
    TableDimensions,
    SlotCount,
    TableLowerBound,
    SlotDimensions,
    ContentsLength,
    ContentsLowerBound,
    Contents,
    NameLength,
    Name,
    FileSize,
    Compressed,
    SlotText1Length,
    SlotText1,
    SlotText2Length,
    SlotText2,
    SlotBytes,
    EntryCount,
    TagLength,
    Tag,
    Text1Length,
    Text1,
    Text2Length,
    Text2,
    Number1,
    Number2,
    Done,
};

namespace {

// A size the payload does not tell before it ends (a sealed file's).
constexpr uint64_t kUnknown = std::numeric_limits<uint64_t>::max();

template <class T>
T Field(const std::string& bytes) {
    T v{};
    std::memcpy(&v, bytes.data(), sizeof v);
    return v;
}

}  // namespace

std::string EntryLabel(uint32_t number, const std::string& name) {
    return std::to_string(number) + " \"" + name + "\"";
}

PackageReader::PackageReader(uint64_t size, std::string label, SlotContents& contents)
    : label_(std::move(label)), contents_(contents), left_(size) {
    Need(Step::DescriptionLength, 2, VW_FIELD("Fields", "the description's length"));
}

PackageReader::~PackageReader() = default;

// Every field is checked against the bytes that remain before it is gathered.
void PackageReader::Need(Step step, uint64_t bytes, const char* what) {
    if (bytes > left_) throw PastEnd(step, what, bytes, left_);
    step_ = step;
    need_ = bytes;
    what_ = what;
    field_.clear();
    if (bytes == 0) TakeField();
}

// A failure inside a slot says which slot it is.
Text PackageReader::Where(Step step) const {
    if (step < Step::SlotDimensions || step > Step::SlotBytes) return {};
    return Text(VW_TEXT("Package", "Slot %1: "), {std::to_string(entries_.size() - 1)});
}

Error PackageReader::PastEnd(Step step, const char* what, uint64_t need, uint64_t have) const {
    const Error cut = Truncated(label_, what, need, have);
    return Error(cut.Number(), Text::Untranslated("%1%2", {Where(step), cut.Message()}));
}

void PackageReader::Write(const uint8_t* data, size_t len) {
    while (len > 0 && step_ != Step::Done) {  // bytes after the last field are never read
        size_t n = 0;
        if (step_ == Step::Contents) {
            n = static_cast<size_t>(std::min<uint64_t>(len, contentsLeft_));
            contents_.Bytes(data, n);
            contentsLeft_ -= n;
        } else {
            n = static_cast<size_t>(std::min<uint64_t>(len, need_ - field_.size()));
            field_.append(reinterpret_cast<const char*>(data), n);
        }
        data += n;
        len -= n;
        if (left_ != kUnknown) left_ -= n;
        if (step_ == Step::Contents ? contentsLeft_ == 0 : field_.size() == need_) {
            if (step_ == Step::Contents)
                EndContents();
            else
                TakeField();
        }
    }
}

void PackageReader::TakeField() {
    switch (step_) {
        case Step::DescriptionLength:
            return Need(Step::Description, Field<uint16_t>(field_),
                        VW_FIELD("Fields", "the description"));
        case Step::Description:
            description_ = field_;
            return Need(Step::TableDimensions, 2,
                        VW_FIELD("Fields", "the entry table's dimension count"));
        case Step::TableDimensions: {
            const auto dims = Field<uint16_t>(field_);
            CheckDimensions(
                dims,
                VW_TEXT("Package", "the entry table has %1 dimensions; only 0 or 1 are possible"),
                label_, Where(step_));
            if (dims == 0) return Need(Step::EntryCount, 4, VW_FIELD("Fields", "EntryCount"));
            return Need(Step::SlotCount, 4, VW_FIELD("Fields", "the entry table's slot count"));
        }
        case Step::SlotCount:
            slotCount_ = Field<uint32_t>(field_);
            return Need(Step::TableLowerBound, 4,
                        VW_FIELD("Fields", "the entry table's lower bound"));
        case Step::TableLowerBound:
            CheckTableStart(Field<int32_t>(field_), label_, Where(step_));
            if (left_ != kUnknown) CheckSlotRoom(slotCount_, left_, label_, Where(step_));
            return NextSlot();
        case Step::SlotDimensions: {
            const auto dims = Field<uint16_t>(field_);
            CheckDimensions(
                dims,
                VW_TEXT("Package",
                        "an entry's contents have %1 dimensions; only 0 or 1 are possible"),
                label_, Where(step_));
            if (dims == 0)
                return Need(Step::NameLength, 2, VW_FIELD("Fields", "an entry's name length"));
            return Need(Step::ContentsLength, 4, VW_FIELD("Fields", "an entry's length"));
        }
        case Step::ContentsLength:
            contentsLeft_ = Field<uint32_t>(field_);
            return Need(Step::ContentsLowerBound, 4, VW_FIELD("Fields", "an entry's lower bound"));
        case Step::ContentsLowerBound:
            CheckEntryLength(contentsLeft_, label_, Where(step_));
            return StartContents(static_cast<uint32_t>(contentsLeft_));
        case Step::NameLength:
            return Need(Step::Name, Field<uint16_t>(field_), VW_FIELD("Fields", "an entry's name"));
        case Step::Name:
            entries_.back().name = field_;
            return Need(Step::FileSize, 4, VW_FIELD("Fields", "an entry's file size"));
        case Step::FileSize:
            entries_.back().fileSize = Field<int32_t>(field_);
            return Need(Step::Compressed, 2, VW_FIELD("Fields", "an entry's compression flag"));
        case Step::Compressed:
            entries_.back().compressed = Field<int16_t>(field_);
            return Need(Step::SlotText1Length, 2, VW_FIELD("Fields", "an entry's reserved text"));
        case Step::SlotText1Length:
            return Need(Step::SlotText1, Field<uint16_t>(field_),
                        VW_FIELD("Fields", "an entry's reserved text"));
        case Step::SlotText1:
            return Need(Step::SlotText2Length, 2, VW_FIELD("Fields", "an entry's reserved text"));
        case Step::SlotText2Length:
            return Need(Step::SlotText2, Field<uint16_t>(field_),
                        VW_FIELD("Fields", "an entry's reserved text"));
        case Step::SlotText2:
            return Need(Step::SlotBytes, 8, VW_FIELD("Fields", "an entry's reserved bytes"));
        case Step::SlotBytes:
            return NextSlot();
        case Step::EntryCount: {
            const auto count = Field<int32_t>(field_);
            CheckEntryCount(count, slotCount_, label_, Where(step_));
            entryCount_ = count;
            return Need(Step::TagLength, 2, VW_FIELD("Fields", "the format tag's length"));
        }
        case Step::TagLength:
            return Need(Step::Tag, Field<uint16_t>(field_), VW_FIELD("Fields", "the format tag"));
        case Step::Tag:
            return Need(Step::Text1Length, 2, VW_FIELD("Fields", "a reserved text's length"));
        case Step::Text1Length:
            return Need(Step::Text1, Field<uint16_t>(field_),
                        VW_FIELD("Fields", "a reserved text"));
        case Step::Text1:
            return Need(Step::Text2Length, 2, VW_FIELD("Fields", "a reserved text's length"));
        case Step::Text2Length:
            return Need(Step::Text2, Field<uint16_t>(field_),
                        VW_FIELD("Fields", "a reserved text"));
        case Step::Text2:
            return Need(Step::Number1, 4, VW_FIELD("Fields", "a reserved number"));
        case Step::Number1:
            return Need(Step::Number2, 4, VW_FIELD("Fields", "a reserved number"));
        case Step::Number2:
        case Step::Contents:
        case Step::Done:
            step_ = Step::Done;
            return;
    }
}

void PackageReader::NextSlot() {
    if (entries_.size() == slotCount_)
        return Need(Step::EntryCount, 4, VW_FIELD("Fields", "EntryCount"));
    entries_.emplace_back();
    Need(Step::SlotDimensions, 2, VW_FIELD("Fields", "an entry's dimension count"));
}

void PackageReader::StartContents(uint32_t count) {
    if (uint64_t{count} > left_)
        throw PastEnd(step_, VW_FIELD("Fields", "an entry's contents"), count, left_);
    entries_.back().hasContents = true;
    contents_.Begin(static_cast<uint32_t>(entries_.size() - 1), count);
    step_ = Step::Contents;
    need_ = count;
    if (count == 0) EndContents();
}

void PackageReader::EndContents() {
    contents_.End();
    Need(Step::NameLength, 2, VW_FIELD("Fields", "an entry's name length"));
}

std::vector<PackageFile> PackageReader::Finish(long nameMax) {
    if (step_ == Step::Contents)
        throw PastEnd(step_, VW_FIELD("Fields", "an entry's contents"), need_,
                      need_ - contentsLeft_);
    if (step_ != Step::Done) throw PastEnd(step_, what_, need_, field_.size());
    // Everything that can be known to fail is refused before an entry is placed.
    std::vector<PackageFile> files;
    std::map<std::string, uint32_t> numbers;
    for (int32_t i = 1; i <= entryCount_; ++i) {
        const auto number = static_cast<uint32_t>(i);
        const Entry& entry = entries_[number];
        files.push_back({number, Text1252::NameFromFile(entry.name), entry.fileSize,
                         entry.compressed == -1, entry.hasContents});
        const std::string& name = files.back().name;
        CheckEntryName(i, name, nameMax);
        const auto [first, fresh] = numbers.emplace(name, number);
        if (!fresh)
            throw Error(ErrorNumber::FileExists,
                        Text(VW_TEXT("Package",
                                     "Refusing to extract file %1: its name \"%2\" is "
                                     "also file %3's, and one would replace the other"),
                             {std::to_string(i), name, std::to_string(first->second)}));
    }
    return files;
}

}  // namespace vw::stuf
