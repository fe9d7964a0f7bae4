// Arbitrary bytes as a STUF20 package: start a session, list every entry, read
// its bytes, and extract the package into a fresh folder. Every failure must
// leave a text in LastError; extraction must write nothing outside its folder
// and leave no temporary file behind; what it writes must be what GetFileData
// returns for the same entry.

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "TempDir.h"
#include "cSTUF20.h"

namespace fs = std::filesystem;

namespace {

// root/a/b/dest: a name that climbs out of dest ("..", "../..") lands in a folder
// this target watches.
struct Folders {
    TempDir dir;
    fs::path root = dir.Path();
    fs::path dest = root / "a" / "b" / "dest";
    bool made = fs::create_directories(dest.parent_path());
};

// The entries' names and, where GetFileData succeeds, their bytes; a later entry
// of the same name wins, as it does on extraction.
struct Listing {
    std::set<std::string> names;
    std::map<std::string, std::vector<uint8_t>> bytes;
};

Listing ListEntries(cSTUF20& package) {
    Listing listing;
    package.GetDescription();
    for (int32_t i = 1; i <= package.FileCount(); ++i) {
        package.LastError.clear();
        const std::string name = package.GetFileName(i);
        const int32_t size = package.GetFileSize(i);
        const bool compressed = package.IsCompressed(i) == -1;  // any other value is stored
        package.GetCompressedSize(i);
        std::vector<uint8_t> data = package.GetFileData(i);
        listing.names.insert(name);
        if (!package.LastError.empty()) {
            listing.bytes.erase(name);
            continue;
        }
        if (compressed && data.size() != static_cast<size_t>(size))
            Finding("a compressed entry expanded to a size other than its FileSize");
        listing.bytes[name] = std::move(data);
    }
    return listing;
}

// Only root/a/b/dest and plain files directly in it, each named like an entry and,
// after a successful extraction, holding what GetFileData returned for it.
void CheckFolders(const Folders& f, const Listing& listing, bool extracted) {
    for (const auto& e : fs::recursive_directory_iterator(f.root)) {
        const fs::path& p = e.path();
        if (p == f.root / "a" || p == f.root / "a" / "b" || p == f.dest) continue;
        if (p.parent_path() != f.dest || !e.is_regular_file() || e.is_symlink())
            Finding("extraction wrote " + p.string());
        const std::string name = p.filename().string();
        if (!listing.names.count(name))
            Finding("extraction left " + p.string() + ", which is no entry's name");
        const auto bytes = listing.bytes.find(name);
        if (extracted && bytes != listing.bytes.end() && ReadFile(p) != bytes->second)
            Finding("the extracted \"" + name + "\" differs from GetFileData");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzFile file("package.stuf");
    static const Folders folders;
    file.Write(data, size);

    cSTUF20 package;
    if (package.StartSession(file.Path()) != 0) {
        RequireText(package.LastError, "StartSession");
        return 0;
    }
    const Listing listing = ListEntries(package);

    package.LastError.clear();
    const int32_t failed = package.ExtractPackage(folders.dest.string());
    if (failed) RequireText(package.LastError, "ExtractPackage");
    CheckFolders(folders, listing, !failed);
    package.EndSession();

    fs::remove_all(folders.dest);
    return 0;
}
