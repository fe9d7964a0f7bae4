#include "Verification.h"

#include <algorithm>

#include "EncryptedSource.h"
#include "Formats.h"
#include "Guard.h"
#include "KeyCache.h"
#include "NotDumpable.h"
#include "PackageCheck.h"
#include "ProcedureSteps.h"
#include "SealedFile.h"
#include "Text1252.h"
#include "TreeArchive.h"

namespace modVW {
namespace {

// A file's payload, counted and dropped.
class CountingSink : public vw::ByteSink {
public:
    void Write(const uint8_t*, size_t len) override { bytes += len; }
    uint64_t bytes = 0;
};

// A tree's entries stay in the reader's EntryTree; nothing of them is written.
class NoDisk : public vw::tree::TreeVisitor {
public:
    void Entry(const vw::EntryTree&, uint32_t) override {}
    void Data(const uint8_t*, size_t, uint64_t) override {}
    void EntryDone() override {}
};

// A package through the checks of its extraction, with nothing written: read a
// second time when compressed files must be expanded.
void CheckPackage(EncryptedSource& file, const std::string& source, Interaction& ui,
                  vw::EntryTree& entries) {
    vw::stuf::PackageCheck package(file.PayloadSize(), source);
    do
        file.PayloadInto(package.Reading(), ui);
    while (package.ReadAgain());
    for (const auto& f : package.Files()) {
        vw::TreeEntry entry;
        entry.size = static_cast<uint64_t>(std::max(f.fileSize, 0));
        entries.Add(f.name, std::move(entry));  // the names are plain and each once
    }
}

// Reads the whole payload of `file` as RestoreFile or RestoreFolder would.
void ReadWhole(EncryptedSource& file, const std::string& source, Interaction& ui,
               Holdings& holdings) {
    holdings.Folder = file.Kind() != SourceKinds::File;
    if (!holdings.Folder) {
        CountingSink payload;
        file.PayloadInto(payload, ui);
        holdings.FileName = Text1252::NameFromFile(file.StoredName());
        holdings.FileSize = payload.bytes;
    } else if (file.HoldsTree()) {
        NoDisk nothing;
        vw::tree::ReadTree(file.TreePayload(), holdings.Entries, nothing, DamagedError(source));
        holdings.ModesAndTimes = true;
    } else {
        CheckPackage(file, source, ui, holdings.Entries);
    }
}

}  // namespace

bool Verify(Interaction& ui, const std::string& source, Holdings* holdings) {
    const vw::NotDumpable secrets;  // a password is typed and a key made below
    KeyCache keys;                  // outlives the file, which reads with its keys
    KnownPasswords known;
    std::unique_ptr<EncryptedSource> file;
    if (OpenItem(ui, source, keys, known, file) != ItemEnd::Done) return false;
    Holdings dropped;
    return Guarded(ui, [&] { ReadWhole(*file, source, ui, holdings ? *holdings : dropped); });
}

bool ReadClassic(Interaction& ui, const std::string& source, Holdings& holdings) {
    return Guarded(ui, [&] {
        if (IsSealedFile(source))
            throw vw::Error(vw::ErrorNumber::InvalidCall,
                            VW_TEXT("Procedures",
                                    "Invalid procedure call or argument: a sealed "
                                    "file is read only with its password"));
        KeyCache unused;  // a classic file has no keys
        ReadWhole(*OpenEncrypted(source, unused), source, ui, holdings);
    });
}

}  // namespace modVW
