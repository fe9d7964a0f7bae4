#include "PackageFormat.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "BinaryFile.h"
#include "Error.h"
#include "PackageContents.h"
#include "PackageRefusals.h"
#include "ReplacingWriter.h"

namespace vw::stuf {
namespace {

const std::string kEmpty;

std::string ReadCountedText(FileReader& in, const char* lengthWhat, const char* what) {
    const uint16_t n = in.ReadU16(lengthWhat);
    return in.ReadText(n, what);
}

Slot ReadSlot(FileReader& in);

// A slot whose failure texts say which slot it is.
Slot ReadNumberedSlot(FileReader& in, uint32_t i) {
    try {
        return ReadSlot(in);
    } catch (const Error& e) {
        throw Error(
            e.Number(),
            Text::Untranslated(
                "%1%2", {Text(VW_TEXT("Package", "Slot %1: "), {std::to_string(i)}), e.Message()}));
    }
}

int32_t ReadEntryCount(FileReader& in, uint32_t slots) {
    const int32_t count = in.ReadI32(VW_FIELD("Fields", "EntryCount"));
    CheckEntryCount(count, slots, in.Path());
    return count;
}

Slot ReadSlot(FileReader& in) {
    Slot slot;
    const uint16_t dims = in.ReadU16(VW_FIELD("Fields", "an entry's dimension count"));
    CheckDimensions(
        dims,
        VW_TEXT("Package", "an entry's contents have %1 dimensions; only 0 or 1 are possible"),
        in.Path());
    if (dims == 1) {
        slot.count = in.ReadU32(VW_FIELD("Fields", "an entry's length"));
        slot.lowerBound = in.ReadI32(VW_FIELD("Fields", "an entry's lower bound"));
        CheckEntryLength(slot.count, in.Path());
        in.Require(slot.count, VW_FIELD("Fields", "an entry's contents"));
        slot.where = ContentsWhere::Package;
        slot.offset = in.Position();
        in.Skip(slot.count, VW_FIELD("Fields", "an entry's contents"));
    }
    slot.name = ReadCountedText(in, VW_FIELD("Fields", "an entry's name length"),
                                VW_FIELD("Fields", "an entry's name"));
    slot.fileSize = in.ReadI32(VW_FIELD("Fields", "an entry's file size"));
    slot.compressed = in.ReadI16(VW_FIELD("Fields", "an entry's compression flag"));
    std::string reserved1 = ReadCountedText(in, VW_FIELD("Fields", "an entry's reserved text"),
                                            VW_FIELD("Fields", "an entry's reserved text"));
    std::string reserved2 = ReadCountedText(in, VW_FIELD("Fields", "an entry's reserved text"),
                                            VW_FIELD("Fields", "an entry's reserved text"));
    in.ReadBytes(slot.reservedBytes.data(), slot.reservedBytes.size(),
                 VW_FIELD("Fields", "an entry's reserved bytes"));
    if (!reserved1.empty() || !reserved2.empty()) {
        slot.Extra().reservedText1 = std::move(reserved1);
        slot.Extra().reservedText2 = std::move(reserved2);
    }
    return slot;
}

// A CountedText: 16-bit length, then the bytes.
void WriteCountedText(FileWriter& out, const std::string& bytes) {
    if (bytes.size() > 0xFFFF)
        throw Error(ErrorNumber::InvalidCall,
                    Text(VW_TEXT("Package",
                                 "A text of %1 bytes does not fit a package (65,535 at "
                                 "most)"),
                         {std::to_string(bytes.size())}));
    out.WriteU16(static_cast<uint16_t>(bytes.size()));
    out.WriteText(bytes);
}

void WriteSlot(const Slot& slot, FileWriter& out, ContentsReader& contents) {
    if (slot.where == ContentsWhere::Unsized) {
        out.WriteU16(0);
    } else {
        out.WriteU16(1);
        out.WriteU32(slot.count);
        out.WriteI32(slot.lowerBound);
        uint64_t written = 0;
        contents.Stream(slot, [&](const uint8_t* data, size_t n) {
            out.WriteBytes(data, n);
            written += n;
        });
        if (written != slot.count)  // cannot happen unless a reference is broken
            throw Error(ErrorNumber::PathFileAccess,
                        VW_TEXT("Package", "An entry's bytes could not be read whole"));
    }
    WriteCountedText(out, slot.name);
    out.WriteI32(slot.fileSize);
    out.WriteI16(slot.compressed);
    WriteCountedText(out, slot.ReservedText1());
    WriteCountedText(out, slot.ReservedText2());
    out.WriteBytes(slot.reservedBytes.data(), slot.reservedBytes.size());
}

}  // namespace

const std::string& Slot::ReservedText1() const {
    return extra ? extra->reservedText1 : kEmpty;
}
const std::string& Slot::ReservedText2() const {
    return extra ? extra->reservedText2 : kEmpty;
}

uint64_t StoredPackageSize(size_t descriptionBytes, const std::vector<size_t>& nameBytes,
                           const std::vector<uint64_t>& fileSizes) {
    uint64_t total = 58 + descriptionBytes;
    for (size_t name : nameBytes)
        total += 30 + name;
    for (uint64_t size : fileSizes)
        total += size;
    return total;
}

Header NewPackageHeader() {
    Header h;
    h.tableSized = true;
    h.slots.resize(1);
    h.formatTag = "STUF20";
    return h;
}

Header ReadPackage(const std::string& path, FileIdentity& identity) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot open"), path);
    if (!S_ISREG(st.st_mode))
        throw Error(ErrorNumber::PathFileAccess,
                    Text(VW_TEXT("Package", "Cannot read '%1': not a regular file"), {path}));
    FileReader in(path);
    identity = IdentityOf(path);
    if (identity.size != in.Size())
        throw Error(ErrorNumber::PathFileAccess,
                    Text(VW_TEXT("Package", "'%1' changed while it was opened"), {path}));

    Header h;
    h.description = ReadCountedText(in, VW_FIELD("Fields", "the description's length"),
                                    VW_FIELD("Fields", "the description"));
    const uint16_t dims = in.ReadU16(VW_FIELD("Fields", "the entry table's dimension count"));
    CheckDimensions(
        dims, VW_TEXT("Package", "the entry table has %1 dimensions; only 0 or 1 are possible"),
        path);
    if (dims == 1) {
        h.tableSized = true;
        const uint32_t slots = in.ReadU32(VW_FIELD("Fields", "the entry table's slot count"));
        CheckTableStart(in.ReadI32(VW_FIELD("Fields", "the entry table's lower bound")), path);
        // Refused before anything of the table's size is reserved.
        CheckSlotRoom(slots, in.Remaining(), path);
        const uint64_t tableStart = in.Position();
        // EntryCount follows the table: a first walk finds it, a second keeps only
        // the slots that can matter, so memory follows the files, not the table.
        for (uint32_t i = 0; i < slots; ++i)
            ReadNumberedSlot(in, i);
        const uint64_t countAt = in.Position();
        h.entryCount = ReadEntryCount(in, slots);
        const uint32_t kept = std::min<uint32_t>(slots, static_cast<uint32_t>(h.entryCount) + 2);
        in.Seek(tableStart, VW_FIELD("Fields", "the entry table"));
        h.slots.reserve(kept);
        for (uint32_t i = 0; i < kept; ++i)
            h.slots.push_back(ReadNumberedSlot(in, i));
        h.tail = {slots - kept, in.Position(), countAt - in.Position()};
        in.Seek(countAt + 4, VW_FIELD("Fields", "EntryCount"));
    } else {
        h.entryCount = ReadEntryCount(in, 0);
    }
    h.formatTag = ReadCountedText(in, VW_FIELD("Fields", "the format tag's length"),
                                  VW_FIELD("Fields", "the format tag"));
    h.reservedText1 = ReadCountedText(in, VW_FIELD("Fields", "a reserved text's length"),
                                      VW_FIELD("Fields", "a reserved text"));
    h.reservedText2 = ReadCountedText(in, VW_FIELD("Fields", "a reserved text's length"),
                                      VW_FIELD("Fields", "a reserved text"));
    h.reservedNumber1 = in.ReadI32(VW_FIELD("Fields", "a reserved number"));
    h.reservedNumber2 = in.ReadI32(VW_FIELD("Fields", "a reserved number"));
    // Bytes after the last field are never read.
    return h;
}

void WritePackage(const Header& h, const std::string& path, ContentsReader& contents) {
    ReplacingWriter writer(path, ReplacingWriter::Links::Replace);
    FileWriter& out = writer.Out();
    WriteCountedText(out, h.description);
    if (h.tableSized || !h.slots.empty()) {
        out.WriteU16(1);
        out.WriteU32(static_cast<uint32_t>(h.slots.size() + h.tail.count));
        out.WriteI32(0);
        for (const Slot& slot : h.slots)
            WriteSlot(slot, out, contents);
        contents.StreamPackageBytes(
            h.tail.offset, h.tail.bytes,
            [&](const uint8_t* data, size_t n) { out.WriteBytes(data, n); });
    } else {
        out.WriteU16(0);
    }
    out.WriteI32(h.entryCount);
    WriteCountedText(out, h.formatTag);
    WriteCountedText(out, h.reservedText1);
    WriteCountedText(out, h.reservedText2);
    out.WriteI32(h.reservedNumber1);
    out.WriteI32(h.reservedNumber2);
    writer.Commit({.durable = true});
}

}  // namespace vw::stuf
