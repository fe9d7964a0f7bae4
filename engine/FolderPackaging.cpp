#include "FolderPackaging.h"

#include <dirent.h>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "Error.h"
#include "Interaction.h"
#include "PackageFormat.h"
#include "Procedures.h"
#include "RecordFile.h"
#include "StoredNames.h"
#include "Text1252.h"
#include "cDirSearch.h"
#include "cSTUF20.h"

namespace modVW {
namespace {

// The package object traps its own failures; a trapped one ends the procedure
// with the number and text the package object kept.
void Check(int32_t result, cSTUF20& package) {
    if (result != 0) throw vw::Error(package.LastErrorNumber, package.LastError);
}

// Checks a refusal that the package object reports through LastError alone.
template <class Operation>
void CheckRefusal(cSTUF20& package, Operation&& operation) {
    package.LastError.clear();
    Check(operation(), package);
    if (!package.LastError.empty()) throw vw::Error(package.LastErrorNumber, package.LastError);
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

std::vector<std::string> ListFolder(std::string folder, std::vector<std::string>& skipped) {
    // A folder that cannot be listed says why (permission denied), not "not found".
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) throw vw::ErrorFromErrno(errno, "Cannot open", folder);
    ::closedir(listing);
    cDirSearch& search = DirSearchObject();
    search.LastFindErr.clear();
    auto files = search.FindFiles(folder, "*.*", false);
    if (!search.LastFindErr.empty())
        throw vw::Error(vw::ErrorNumber::PathNotFound, search.LastFindErr);
    skipped = search.Skipped;
    files.erase(std::remove(files.begin(), files.end(), std::string()), files.end());
    return files;
}

// Refuses a folder whose package would be larger than an encrypted file can
// hold, from the sizes the listing gives, before any of it is read.
void CheckFolderFits(const std::string& folder, const std::vector<std::string>& files,
                     const std::string& description) {
    std::vector<size_t> names;
    std::vector<uint64_t> sizes;
    for (const auto& file : files) {
        struct stat st {};
        if (::lstat(file.c_str(), &st) != 0) throw vw::ErrorFromErrno(errno, "Cannot open", file);
        names.push_back(Text1252::NameToFile(FileNamePart(file)).size());
        sizes.push_back(static_cast<uint64_t>(st.st_size));
    }
    const uint64_t total =
        vw::stuf::StoredPackageSize(Text1252::NameToFile(description).size(), names, sizes);
    if (total > kMaxPayload)
        throw vw::Error(vw::ErrorNumber::InvalidCall,
                        "Invalid procedure call or argument: the files of '" + folder +
                            "' make a package of " + std::to_string(total) +
                            " bytes; an encrypted file holds at most 2,147,483,647");
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

bool PackFolder(Interaction& ui, const std::string& SourcePath, const std::string& packagePath,
                std::vector<std::string>& skipped) {
    std::string folder = SourcePath;
    if (folder.empty()) folder = ui.BrowseFolders("Please select a folder to encrypt:");
    if (folder.empty()) return false;

    const auto files = ListFolder(folder, skipped);
    // Refusals that can be known from the listing come before anything is written.
    CheckStorableNames(files);
    CheckFolderFits(folder, files, kFolderDescription);
    cSTUF20& package = PackageObject();
    Check(package.StartSession(packagePath), package);
    SessionGuard guard(package);
    package.SetDescription(kFolderDescription);
    for (const auto& file : files) {
        CheckRefusal(package, [&] { return package.AddFile(file, 0); });
        KeepResponsive(ui);  // the progress window repaints between files
    }
    const OwnerOnlyFiles ownerOnly;
    Check(package.EndSession(), package);
    return true;
}

void ExtractPackage(Interaction& ui, const std::string& packagePath, const std::string& folder) {
    cSTUF20& package = PackageObject();
    Check(package.StartSession(packagePath), package);
    SessionGuard guard(package);
    package.EntryDone = [&ui] { ui.DoEvents(); };
    struct Unhook {
        cSTUF20& package;
        ~Unhook() { package.EntryDone = nullptr; }
    } unhook{package};
    CheckRefusal(package, [&] { return package.ExtractPackage(folder); });
    Check(package.EndSession(), package);
}

}  // namespace modVW
