#include "FolderPackaging.h"

#include <dirent.h>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "EncryptedSource.h"
#include "Error.h"
#include "Interaction.h"
#include "PackageFormat.h"
#include "PackageStream.h"
#include "PackageUnpacker.h"
#include "Procedures.h"
#include "RecordFile.h"
#include "StoredNames.h"
#include "StreamCipher.h"
#include "TemporaryPackage.h"
#include "Text1252.h"
#include "cDirSearch.h"
#include "cSTUF20.h"

namespace modVW {
namespace {

// The package object traps its own failures; a trapped one ends the procedure
// with the number and text the package object kept.
void Check(int32_t result, cSTUF20& package) {
    if (result != 0) throw vw::Error(package.LastErrorNumber, package.LastErrorText);
}

// Checks a refusal that the package object reports through LastError alone.
template <class Operation>
void CheckRefusal(cSTUF20& package, Operation&& operation) {
    package.LastError.clear();
    Check(operation(), package);
    if (!package.LastError.empty()) throw vw::Error(package.LastErrorNumber, package.LastErrorText);
}

// Drops a session that a failure left open, so no later StartSession writes it.
class SessionGuard {
public:
    explicit SessionGuard(cSTUF20& package) : package_(package) {}
    ~SessionGuard() {
        // Dropped, not written: left open, the next StartSession would write it over
        // the next package and read it back; and the temporary package goes anyway.
        if (package_.Session != 0) {
            package_.Session = 0;
            package_.Format.clear();
        }
    }
    SessionGuard(const SessionGuard&) = delete;
    SessionGuard& operator=(const SessionGuard&) = delete;

private:
    cSTUF20& package_;
};

// The package holds the folder's plain contents: it is created for its owner only.
class OwnerOnlyFiles {
public:
    OwnerOnlyFiles() : saved_(::umask(077)) {}
    ~OwnerOnlyFiles() { ::umask(saved_); }
    OwnerOnlyFiles(const OwnerOnlyFiles&) = delete;
    OwnerOnlyFiles& operator=(const OwnerOnlyFiles&) = delete;

private:
    mode_t saved_;
};

FolderListing ListFolder(std::string folder) {
    // A folder that cannot be listed says why (permission denied), not "not found".
    DIR* opened = ::opendir(folder.c_str());
    if (opened == nullptr)
        throw vw::ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot open"), folder);
    ::closedir(opened);
    cDirSearch& search = DirSearchObject();
    search.LastFindErr.clear();
    FolderListing listing{folder, search.FindFiles(folder, "*.*", false), {}, {}};
    if (!search.LastFindErr.empty())
        throw vw::Error(vw::ErrorNumber::PathNotFound, search.LastFindErr);
    listing.skipped = search.Skipped;
    auto& files = listing.files;
    files.erase(std::remove(files.begin(), files.end(), std::string()), files.end());
    for (const auto& file : files) {
        struct stat st {};
        if (::lstat(file.c_str(), &st) != 0)
            throw vw::ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot open"), file);
        listing.sizes.push_back(static_cast<uint64_t>(st.st_size));
    }
    return listing;
}

std::string StoredName(const std::string& file) {
    return Text1252::NameToFile(FileNamePart(file));
}

// Refuses a folder whose package would be larger than an encrypted file can
// hold, from the sizes the listing gives, before any of it is read.
void CheckFolderFits(const FolderListing& listing, const std::string& description) {
    std::vector<size_t> names;
    for (const auto& file : listing.files)
        names.push_back(StoredName(file).size());
    const uint64_t total =
        vw::stuf::StoredPackageSize(Text1252::NameToFile(description).size(), names, listing.sizes);
    const std::string& folder = listing.folder;
    if (total > kMaxPayload)
        throw vw::Error(vw::ErrorNumber::InvalidCall,
                        vw::Text(VW_TEXT("Procedures",
                                         "Invalid procedure call or argument: the files of '%1' "
                                         "make a package of %2 bytes; an encrypted file holds at "
                                         "most 2,147,483,647"),
                                 {folder, std::to_string(total)}));
}

}  // namespace

cSTUF20& PackageObject() {
    static cSTUF20 package;
    return package;
}

cDirSearch& DirSearchObject() {
    static cDirSearch search;
    return search;
}

std::optional<FolderListing> ListFolderToPack(Interaction& ui, const std::string& SourcePath) {
    std::string folder = SourcePath;
    if (folder.empty())
        folder =
            ui.BrowseFolders(ui.Words(VW_TEXT("Procedures", "Please select a folder to encrypt:")));
    if (folder.empty()) return std::nullopt;

    FolderListing listing = ListFolder(folder);
    // Refusals that can be known from the listing come before anything is written.
    CheckStorableNames(listing.files);
    CheckFolderFits(listing, kFolderDescription);
    return listing;
}

void EncryptFolderToRecord(const FolderListing& listing, vw::FileWriter& out,
                           const std::string& typedPassword, Interaction& ui) {
    std::vector<vw::stuf::StreamedFile> files;
    for (size_t i = 0; i < listing.files.size(); ++i)
        files.push_back({listing.files[i], StoredName(listing.files[i]), listing.sizes[i]});
    vw::stuf::PackageStream package(Text1252::NameToFile(kFolderDescription), std::move(files));
    EncryptPayloadToRecord(
        {package, package.Size(), [&](uint64_t off) { return package.FilePositionOf(off); },
         Text1252::NameToFile(kTemporaryPackageName)},
        out, typedPassword, SourceKinds::Folder, ui);
}

void PackListing(Interaction& ui, const FolderListing& listing, const std::string& packagePath) {
    cSTUF20& package = PackageObject();
    Check(package.StartSession(packagePath), package);
    SessionGuard guard(package);
    package.SetDescription(kFolderDescription);
    for (const auto& file : listing.files) {
        CheckRefusal(package, [&] { return package.AddFile(file, 0); });
        KeepResponsive(ui);  // the progress window repaints between files
    }
    const OwnerOnlyFiles ownerOnly;
    Check(package.EndSession(), package);
}

bool PackFolder(Interaction& ui, const std::string& SourcePath, const std::string& packagePath,
                std::vector<std::string>& skipped) {
    const auto listing = ListFolderToPack(ui, SourcePath);
    if (!listing) return false;
    skipped = listing->skipped;
    PackListing(ui, *listing, packagePath);
    return true;
}

std::vector<vw::stuf::PackageFile> UnpackPayload(EncryptedSource& file, vw::StagingFolder& staging,
                                                 const std::string& folder,
                                                 const std::string& source, Interaction& ui) {
    vw::stuf::PackageUnpacker package(staging, folder, file.PayloadSize(), source,
                                      PackageObject().FreeSpace);
    file.PayloadInto(package, ui);
    return package.Finish();
}

}  // namespace modVW
