#include "HostileFiles.h"

#include <regex>

#include <array>

#include "Cipher.h"
#include "PackageTestSupport.h"
#include "RecordFile.h"

namespace hostile {
namespace {

using pkgtest::PackageBytes;

// Entry i holds 256 - i: a permutation of 1..255 that every run draws the same.
modVW::SubstitutionTable FixedTable() {
    modVW::SubstitutionTable table{};
    for (int i = 1; i < 256; ++i)
        table[i] = static_cast<int16_t>(256 - i);
    return table;
}

Bytes Cut(const Bytes& bytes, size_t length) {
    return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
}

void Put32(Bytes& bytes, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// The single-file record every record case damages: payload "abc", name "a.txt",
// password "secret". Layout: payload header 0-9, payload 10-12, password header
// 13-22, password 23-29 (the 0 byte, then six codes), kind 30-31, name length
// 32-33, name 34-38, table 39-550.
Bytes GoodRecord() {
    return EncipheredRecord(1, "a.txt", {'a', 'b', 'c'});
}

// A folder record whose package has one slot 1 as given, and EntryCount 1.
Bytes FolderWithEntry(const Bytes& contents, const std::string& name, int32_t fileSize,
                      int16_t compressed) {
    const Bytes package = PackageBytes()
                              .Text("Vaultwise 3 Encrypted Folder")
                              .Table(2)
                              .EmptySlot()
                              .Slot(contents, name, fileSize, compressed)
                              .Trailer(1);
    return EncipheredRecord(2, "TempStuf.stuf", package);
}

// A zlib stream of one stored deflate block: header 78 01, block header 01 (last
// block, stored), LEN and its complement, the bytes, then the Adler-32 of the bytes
// big-endian. Written out here so the damaged cases need no compressor.
Bytes StoredZlib(const std::string& text) {
    Bytes z{0x78, 0x01, 0x01};
    const auto n = static_cast<uint16_t>(text.size());
    z.insert(z.end(), {uint8_t(n), uint8_t(n >> 8), uint8_t(~n), uint8_t(~n >> 8)});
    uint32_t a = 1, b = 0;
    for (unsigned char c : text) {
        z.push_back(c);
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    const uint32_t adler = (b << 16) | a;
    z.insert(z.end(),
             {uint8_t(adler >> 24), uint8_t(adler >> 16), uint8_t(adler >> 8), uint8_t(adler)});
    return z;
}

// The reader's report for a file that ends inside a field.
std::string PastEnd(const std::string& what) {
    return "Error 62 - Input past end of file: '{file}' is damaged or not of this kind (" + what +
           ")";
}

// The reader's report for a field that it read whole but cannot accept.
std::string NotValid(const std::string& what) {
    return "Error 321 - Invalid file format: '{file}' is not a valid encrypted file (" + what + ")";
}

// The report of the package step, which names the temporary package or the entry.
std::string Refused(const std::string& what, int number = 75) {
    return "Error " + std::to_string(number) + " - " + what;
}

std::vector<Case> RecordCases() {
    const Bytes good = GoodRecord();
    std::vector<Case> cases;
    // Cut short inside every field: the report names the field that ran out.
    const std::vector<std::pair<size_t, std::string>> cuts = {
        {0, "the payload needs 2 bytes, only 0 remain"},
        {1, "the payload needs 2 bytes, only 1 remain"},
        {8, "the payload needs 4 bytes, only 2 remain"},
        {12, "the payload needs 3 bytes, only 2 remain"},
        {18, "the password needs 4 bytes, only 3 remain"},
        {26, "the password needs 7 bytes, only 3 remain"},
        {31, "the source kind needs 2 bytes, only 1 remain"},
        {33, "the source name needs 2 bytes, only 1 remain"},
        {36, "the source name needs 5 bytes, only 2 remain"},
        {300, "the substitution table needs 2 bytes, only 1 remain"},
        {550, "the substitution table needs 2 bytes, only 1 remain"},
    };
    for (const auto& [at, field] : cuts)
        cases.push_back(
            {"truncated-at-" + std::to_string(at) + ".vw3", Cut(good, at), 1, PastEnd(field)});

    // A payload count of FF FF FF FF (4 GiB - 1 unsigned, -1 signed) in a 551-byte file.
    Bytes huge = good;
    Put32(huge, 2, 0xFFFFFFFF);
    cases.push_back(
        {"payload-count-4gib.vw3", huge, 1,
         NotValid("the payload claims 4294967295 bytes, more than an encrypted file can hold")});
    // 7F FF FF FF: the largest count the format allows, far beyond the file.
    Bytes large = good;
    Put32(large, 2, 0x7FFFFFFF);
    cases.push_back({"payload-count-2gib.vw3", large, 1,
                     PastEnd("the payload needs 2147483647 bytes, only 541 remain")});
    // Table entry 1 (offset 41) reads 256: its high byte is not 0. The password
    // check cannot invert the table, reports it, and the password counts as wrong.
    Bytes wide = good;
    wide[41] = 0x00;
    wide[42] = 0x01;
    cases.push_back({"table-entry-256.vw3", wide, 1,
                     "Error 9 - Subscript out of range: the substitution table is damaged "
                     "(entry 1 is 256)\nError: You have entered an incorrect password."});
    return cases;
}

std::vector<Case> PackageCases() {
    std::vector<Case> cases;
    // 100 bytes of package claiming 65,535 slots of at least 22 bytes each.
    cases.push_back(
        {"slots-65535-in-100-bytes.vw3",
         EncipheredRecord(2, "TempStuf.stuf", PackageBytes().Text("").Table(65535).Zeros(100 - 12)),
         2,
         Refused("Invalid file format: '{package}' is damaged or not a package: the entry table "
                 "claims 65535 slots, but only 88 bytes follow and every slot takes at least 22",
                 321)});
    // Entry names that would lead out of the chosen folder, or name no file at all.
    const std::string separator = "contains a folder separator";
    const std::vector<std::array<std::string, 3>> names = {
        {"name-parent-x.vw3", "../x", "its name \"../x\" " + separator},
        {"name-absolute.vw3", "/etc/x", "its name \"/etc/x\" " + separator},
        {"name-with-folder.vw3", "a/b", "its name \"a/b\" " + separator},
        {"name-parent.vw3", "..", "its name \"..\" is a folder step"},
        {"name-empty.vw3", "", "its name is empty"},
    };
    for (const auto& [file, name, why] : names)
        cases.push_back({file, FolderWithEntry({'x'}, name, 1, 0), 2,
                         Refused("Refusing to extract file 1: " + why +
                                 " and could be written outside the destination folder")});
    // Compressed entries (FF FF) whose stream gives 5 bytes while FileSize says 2,
    // and while it says 1000.
    cases.push_back({"compressed-longer-than-said.vw3",
                     FolderWithEntry(StoredZlib("hello"), "h.txt", 2, -1), 2,
                     Refused("Compressed entry 1 \"h.txt\" is damaged: it expands to more than "
                             "the recorded 2 bytes",
                             321)});
    cases.push_back({"compressed-shorter-than-said.vw3",
                     FolderWithEntry(StoredZlib("hello"), "h.txt", 1000, -1), 2,
                     Refused("Compressed entry 1 \"h.txt\" is damaged: it expands to 5 bytes, "
                             "not the recorded 1000",
                             321)});
    // Flagged compressed, but the contents are plain text, not a zlib stream.
    cases.push_back({"compressed-not-zlib.vw3",
                     FolderWithEntry({'n', 'o', 't', ' ', 'z', 'l', 'i', 'b'}, "n.txt", 8, -1), 2,
                     Refused("Compressed entry 1 \"n.txt\" is damaged: zlib says the data is "
                             "damaged",
                             321)});
    return cases;
}

}  // namespace

Bytes EncipheredRecord(int16_t kind, const std::string& name, const Bytes& plain) {
    modVW::EncryptedRecord r;
    r.Table = FixedTable();
    const modVW::ByteMap forward = modVW::ForwardMap(r.Table);
    r.Password = {0};
    for (char c : modVW::PasswordCodes(kPassword))
        r.Password.push_back(forward.map[static_cast<uint8_t>(c)]);
    for (uint8_t b : plain)
        r.Data.push_back(forward.map[b]);
    r.SourceKind = kind;
    r.SourceName = name;

    pkgtest::TempDir dir;
    modVW::WriteRecord(dir / "record.vw3", r);
    return pkgtest::ReadFile(dir / "record.vw3");
}

std::string WithoutRunFolder(const std::string& text) {
    static const std::regex run("/\\.vaultwise-temp-[A-Za-z0-9]{6}");
    return std::regex_replace(text, run, "");
}

std::vector<Case> Cases() {
    std::vector<Case> cases = RecordCases();
    for (auto& c : PackageCases())
        cases.push_back(std::move(c));
    return cases;
}

}  // namespace hostile
