#include "cSTUF20.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <limits>
#include <new>
#include <string_view>
#include <unordered_set>

#include "BinaryFile.h"
#include "EntryCompression.h"
#include "Error.h"
#include "PackageContents.h"
#include "PackageExtraction.h"
#include "PackageFormat.h"
#include "PathText.h"
#include "ReplacingWriter.h"
#include "StagingFolder.h"
#include "Text1252.h"

using vw::EntryTree;
using vw::Error;
using vw::ErrorFromErrno;
using vw::StagingFolder;
namespace ErrorNumber = vw::ErrorNumber;
using namespace vw::stuf;

namespace {

constexpr vw::Template kCannotFindSource = VW_TEXT("Package", "Cannot find source file");
constexpr vw::Template kNoDestination = VW_TEXT("Package", "Destination directory not specified");
constexpr vw::Template kInvalidNumber = VW_TEXT("Package", "Invalid file number");

// Runs `body`; a failure inside it becomes LastError (text and number) and `failed`.
template <class R, class Body>
R Trapped(cSTUF20& package, R failed, Body&& body) {
    try {
        return body();
    } catch (const Error& e) {
        package.SetLastError(e.Number(), e.Message());
    } catch (const std::bad_alloc&) {
        package.SetLastError(ErrorNumber::OutOfMemory, VW_TEXT("Errors", "Out of memory"));
    } catch (const std::length_error&) {
        package.SetLastError(ErrorNumber::OutOfMemory, VW_TEXT("Errors", "Out of memory"));
    } catch (const std::exception& e) {
        package.SetLastError(ErrorNumber::PathFileAccess, e.what());
    }
    return failed;
}

// `2 "a.txt"`: how failure texts name an entry.
std::string EntryLabel(int32_t number, const Slot& slot) {
    return std::to_string(number) + " \"" + Text1252::NameFromFile(slot.name) + "\"";
}

}  // namespace

struct cSTUF20::State {
    Header header;  // no table, EntryCount 0, empty tag until a session starts
    std::string packagePath;
    FileIdentity identity;         // of the package file the session read, if any
    bool modified = false;         // Modified -1
    std::unique_ptr<Spool> spool;  // compressed entries added in this session

    ContentsReader Contents() const { return ContentsReader(packagePath, identity, spool.get()); }

    // The slot at `number`, or a trapped failure beyond the table.
    Slot& At(int32_t number) {
        if (number < 0 || static_cast<uint64_t>(number) >= header.slots.size())
            throw Error(ErrorNumber::SubscriptOutOfRange,
                        vw::Text(VW_TEXT("Package",
                                         "Subscript out of range: the package has no "
                                         "slot %1 (its last file is number %2)"),
                                 {std::to_string(number), std::to_string(header.entryCount)}));
        return header.slots[static_cast<size_t>(number)];
    }

    // Writes the file bytes of slot `number` to `out`.
    void ExtractTo(int32_t number, vw::FileWriter& out, ContentsReader& contents) {
        const Slot& slot = At(number);
        contents.StreamFileBytes(
            slot, [&](const uint8_t* data, size_t n) { out.WriteBytes(data, n); },
            EntryLabel(number, slot));
    }
};

cSTUF20::cSTUF20() : state_(std::make_unique<State>()) {}

cSTUF20::~cSTUF20() = default;

void cSTUF20::SetLastError(int32_t number, vw::Text text) {
    LastErrorNumber = number;
    LastError = text.English();
    LastErrorText = std::move(text);
}

int16_t cSTUF20::StartSession(const std::string& SourcePackage) {
    if (Session != 0) EndSession();  // a failed write is not looked at
    return Trapped<int16_t>(*this, 1, [&]() -> int16_t {
        auto fresh = std::make_unique<State>();
        fresh->packagePath = SourcePackage;
        struct stat st {};
        if (::lstat(SourcePackage.c_str(), &st) == 0) {
            fresh->header = ReadPackage(SourcePackage, fresh->identity);
        } else if (errno == ENOENT) {
            fresh->header = NewPackageHeader();  // nothing is written yet
        } else {
            throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot open"), SourcePackage);
        }
        state_ = std::move(fresh);
        Format = Text1252::NameFromFile(state_->header.formatTag);
        Session = -1;
        return 0;
    });
}

int32_t cSTUF20::EndSession() {
    if (Session == 0) return 0;
    if (state_->modified) {
        const int32_t failed = Trapped<int32_t>(*this, 1, [&] {
            ContentsReader contents = state_->Contents();
            WritePackage(state_->header, state_->packagePath, contents);
            return 0;
        });
        if (failed) return 1;  // the session stays open and modified
    }
    state_ = std::make_unique<State>();
    Format.clear();
    Session = 0;
    return 0;
}

int32_t cSTUF20::AddFile(const std::string& SourceFile, int16_t CompressionLevel) {
    if (Session == 0) return 0;
    state_->modified = true;
    if (SourceFile.empty()) {
        SetLastError(ErrorNumber::FileNotFound, kCannotFindSource);
        return 0;
    }
    return Trapped<int32_t>(*this, 1, [&] {
        Header& h = state_->header;
        if (h.entryCount == std::numeric_limits<int32_t>::max())
            throw Error(ErrorNumber::OutOfMemory,
                        VW_TEXT("Package", "The package cannot hold more files"));
        // The table gets slots 0 to EntryCount + 1; the new file goes into the last.
        h.slots.resize(static_cast<size_t>(h.entryCount) + 2);
        h.tail = {};
        h.tableSized = true;

        // A link is never followed: one swapped in for a listed file must not
        // bring another file into the package.
        struct stat st {};
        if (::lstat(SourceFile.c_str(), &st) != 0)
            throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot open"), SourceFile);
        if (!S_ISREG(st.st_mode))
            throw Error(
                ErrorNumber::PathFileAccess,
                vw::Text(VW_TEXT("Package", "Cannot add '%1': not a regular file"), {SourceFile}));
        vw::FileReader in(SourceFile, vw::Links::Refuse);
        if (in.Size() > static_cast<uint64_t>(std::numeric_limits<int32_t>::max()))
            throw Error(ErrorNumber::InvalidCall,
                        vw::Text(VW_TEXT("Package",
                                         "Cannot add '%1': it holds %2 bytes; a package "
                                         "entry holds at most 2,147,483,647"),
                                 {SourceFile, std::to_string(in.Size())}));
        const auto length = static_cast<int32_t>(in.Size());

        // Everything that can fail happens before the slot is filled.
        Slot fresh;
        fresh.name = Text1252::NameToFile(LastComponent(SourceFile));
        fresh.fileSize = length;
        if (CompressionLevel > 0) {
            std::vector<uint8_t> bytes =
                in.ReadByteArray(in.Size(), VW_FIELD("Fields", "the source file"));
            CompressEntryData(bytes, CompressionLevel);
            fresh.compressed = -1;
            fresh.count = static_cast<uint32_t>(bytes.size());
            // The compressed bytes wait in the session's spool, not in memory.
            if (!state_->spool)
                state_->spool = std::make_unique<Spool>(FolderOf(state_->packagePath));
            fresh.where = ContentsWhere::Spool;
            fresh.offset = state_->spool->Append(bytes.data(), bytes.size());
        } else if (length == 0) {
            fresh.where = ContentsWhere::Memory;
            fresh.count = 0;
            fresh.Extra();
        } else {
            // A stored entry stays a reference to its source until it is written.
            fresh.where = ContentsWhere::SourceFile;
            fresh.count = static_cast<uint32_t>(length);
            fresh.Extra().sourcePath = std::filesystem::absolute(SourceFile).string();
        }

        // A reused spare slot keeps its reserved fields: only the file's own fields
        // are filled in.
        Slot& slot = h.slots[static_cast<size_t>(h.entryCount) + 1];
        if (slot.extra) {
            fresh.Extra().reservedText1 = std::move(slot.extra->reservedText1);
            fresh.Extra().reservedText2 = std::move(slot.extra->reservedText2);
        }
        fresh.reservedBytes = slot.reservedBytes;
        slot = std::move(fresh);
        ++h.entryCount;
        return 0;
    });
}

int32_t cSTUF20::ExtractPackage(const std::string& DestDir) {
    if (Session == 0) return 0;
    if (DestDir.empty()) {
        SetLastError(ErrorNumber::PathNotFound, kNoDestination);
        return 0;
    }
    return Trapped<int32_t>(*this, 1, [&] {
        const int32_t n = state_->header.entryCount;
        // Names and sizes come from a file that may be hostile: everything that can
        // be known to fail is refused before anything is written.
        const long nameMax = NameMaxAt(DestDir);
        std::vector<std::string> names;
        names.reserve(static_cast<size_t>(n));
        uint64_t declared = 0;
        for (int32_t i = 1; i <= n; ++i) {
            names.push_back(Text1252::NameFromFile(state_->At(i).name));
            CheckEntryName(i, names.back(), nameMax);
            declared += static_cast<uint64_t>(std::max(state_->At(i).fileSize, 0));
        }
        CheckFreeSpace(DestDir, declared, FreeSpace);
        struct stat st {};
        if (::lstat(DestDir.c_str(), &st) != 0) {
            if (errno != ENOENT)
                throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot open"), DestDir);
            if (::mkdir(DestDir.c_str(), 0777) != 0)
                throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot create the folder"), DestDir);
        }
        // All or nothing: the entries appear in DestDir only once all are written.
        StagingFolder staging(DestDir);
        ContentsReader contents = state_->Contents();
        for (int32_t i = 1; i <= n; ++i) {
            const std::string& name = names[static_cast<size_t>(i - 1)];
            vw::FileWriter out(staging.PathOf(name), vw::FileWriter::Mode::Truncate, 0666,
                               JoinPath(DestDir, name));
            state_->ExtractTo(i, out, contents);
            out.Close();
            if (EntryDone) EntryDone();
        }
        EntryTree entries;
        for (const auto& name : names)
            entries.Add(name, {});
        staging.Commit(entries, staging.Plan(entries));
        return 0;
    });
}

int32_t cSTUF20::ExtractFile(int32_t FileNumber, const std::string& TargetFile) {
    if (Session == 0) return 0;
    if (FileNumber < 1) {
        SetLastError(ErrorNumber::SubscriptOutOfRange, kInvalidNumber);
        return 0;
    }
    return Trapped<int32_t>(*this, 1, [&] {
        if (FileNumber > state_->header.entryCount)
            throw Error(
                ErrorNumber::SubscriptOutOfRange,
                vw::Text(VW_TEXT("Package",
                                 "Invalid file number %1: the package holds "
                                 "%2 files"),
                         {std::to_string(FileNumber), std::to_string(state_->header.entryCount)}));
        ContentsReader contents = state_->Contents();
        vw::ReplacingWriter out(TargetFile, vw::ReplacingWriter::Links::Replace);
        state_->ExtractTo(FileNumber, out.Out(), contents);
        out.Commit({});
        return 0;
    });
}

int32_t cSTUF20::DeleteFile(int32_t FileNumber) {
    if (Session == 0) return 0;
    state_->modified = true;
    Header& h = state_->header;
    if (FileNumber < 1 || FileNumber > h.entryCount) {
        SetLastError(ErrorNumber::SubscriptOutOfRange, kInvalidNumber);
        return 0;
    }
    // The files behind move one slot down; the table is cut to slots 0 to
    // EntryCount - 1, which also drops a spare slot.
    h.slots.erase(h.slots.begin() + FileNumber);
    h.slots.resize(static_cast<size_t>(h.entryCount));
    h.tail = {};
    --h.entryCount;
    return 0;
}

std::vector<uint8_t> cSTUF20::GetFileData(int32_t FileNumber) {
    if (Session == 0) return {};
    return Trapped<std::vector<uint8_t>>(*this, {}, [&] {
        const Slot& slot = state_->At(FileNumber);
        ContentsReader contents = state_->Contents();
        std::vector<uint8_t> bytes = contents.Materialise(slot);
        if (slot.compressed == -1)
            DecompressEntryData(bytes, slot.fileSize, EntryLabel(FileNumber, slot));
        return bytes;
    });
}

int32_t cSTUF20::GetFileNumber(const std::string& FileName) {
    if (Session == 0) return 0;
    const Header& h = state_->header;
    const std::string wanted = Text1252::Lower(Text1252::NameToFile(FileName));
    for (int32_t i = 1; i <= h.entryCount; ++i)
        if (Text1252::Lower(h.slots[static_cast<size_t>(i)].name) == wanted) return i;
    return 0;
}

std::string cSTUF20::GetFileName(int32_t FileNumber) {
    if (Session == 0) return {};
    if (FileNumber < 1) {
        SetLastError(ErrorNumber::SubscriptOutOfRange, kInvalidNumber);
        return {};
    }
    return Trapped<std::string>(
        *this, {}, [&] { return Text1252::NameFromFile(state_->At(FileNumber).name); });
}

int32_t cSTUF20::GetFileSize(int32_t FileNumber) {
    if (Session == 0) return 0;
    if (FileNumber < 1) {
        SetLastError(ErrorNumber::SubscriptOutOfRange, kInvalidNumber);
        return 0;
    }
    return Trapped<int32_t>(*this, 0, [&] { return state_->At(FileNumber).fileSize; });
}

int32_t cSTUF20::GetCompressedSize(int32_t FileNumber) {
    if (Session == 0) return 0;
    if (FileNumber < 1) {
        SetLastError(ErrorNumber::SubscriptOutOfRange, kInvalidNumber);
        return 0;
    }
    return Trapped<int32_t>(*this, 0, [&] {
        const Slot& slot = state_->At(FileNumber);
        if (slot.where == ContentsWhere::Unsized)
            throw Error(ErrorNumber::SubscriptOutOfRange,
                        vw::Text(VW_TEXT("Package",
                                         "Subscript out of range: the contents of slot "
                                         "%1 were never given a size"),
                                 {std::to_string(FileNumber)}));
        return static_cast<int32_t>(slot.count);
    });
}

int32_t cSTUF20::IsCompressed(int32_t FileNumber) {
    if (Session == 0) return 0;
    if (FileNumber < 1) {
        SetLastError(ErrorNumber::SubscriptOutOfRange, kInvalidNumber);
        return 0;
    }
    return Trapped<int32_t>(*this, 0, [&] { return int32_t{state_->At(FileNumber).compressed}; });
}

int32_t cSTUF20::DeleteDoubles() {
    if (Session == 0) return 0;
    state_->modified = true;
    return Trapped<int32_t>(*this, 1, [&] {
        // The original deletes the first file whose exact name comes again later and
        // starts over until no pair is left; what remains is every file whose name
        // does not come again later, in its order. This finds the same in one pass.
        Header& h = state_->header;
        const auto n = static_cast<size_t>(h.entryCount);
        std::vector<bool> keep(n + 1, true);
        std::unordered_set<std::string_view> later;
        size_t removed = 0;
        for (size_t i = n; i >= 1; --i) {
            if (!later.insert(h.slots[i].name).second) {
                keep[i] = false;
                ++removed;
            }
        }
        if (removed == 0) return 0;
        h.tail = {};
        std::vector<Slot> slots;
        slots.reserve(n + 1 - removed);
        slots.push_back(std::move(h.slots[0]));
        for (size_t i = 1; i <= n; ++i)
            if (keep[i]) slots.push_back(std::move(h.slots[i]));
        // As after DeleteFile: slots 0 to EntryCount, no spare slot.
        h.slots = std::move(slots);
        h.entryCount = static_cast<int32_t>(n - removed);
        return 0;
    });
}

int32_t cSTUF20::SetDescription(const std::string& Description) {
    if (Session == 0) return 0;
    state_->modified = true;
    return Trapped<int32_t>(*this, 1, [&] {
        std::string stored = Text1252::NameToFile(Description);
        if (stored.size() > 0xFFFF)
            throw Error(ErrorNumber::InvalidCall,
                        vw::Text(VW_TEXT("Package",
                                         "The description is %1 bytes long; a package "
                                         "holds at most 65,535"),
                                 {std::to_string(stored.size())}));
        state_->header.description = std::move(stored);
        return 0;
    });
}

std::string cSTUF20::GetDescription() {
    if (Session == 0) return {};
    return Text1252::NameFromFile(state_->header.description);
}

int32_t cSTUF20::FileCount() {
    if (Session == 0) return 0;
    return state_->header.entryCount;
}
