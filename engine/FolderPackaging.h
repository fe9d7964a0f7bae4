#pragma once
// A folder travels as one STUF20 package of its own files (not those of its
// sub-folders). The classic format streams the package through the cipher, and
// back through the package reader into the folder; the package object builds it
// at a path when a package file is wanted.

#include <optional>
#include <string>
#include <vector>

#include "PackageReader.h"

class cSTUF20;
class cDirSearch;

namespace vw {
class FileWriter;
class StagingFolder;
}  // namespace vw

namespace modVW {

class EncryptedSource;
class Interaction;

constexpr const char* kFolderDescription = "Vaultwise 3 Encrypted Folder";

// The program-wide package and directory search objects, made on first use.
cSTUF20& PackageObject();
cDirSearch& DirSearchObject();

// A folder's files as its listing found them, before any of them is read.
struct FolderListing {
    std::string folder;
    std::vector<std::string> files;    // paths, in package order
    std::vector<uint64_t> sizes;       // of each file when listed
    std::vector<std::string> skipped;  // entries left out: links, special files, dot names
};

// Lists `SourcePath` (asked for when empty); nothing when the user cancelled.
// Throws vw::Error for what the listing alone shows: a folder that cannot be
// read, a name that would not come back as itself, a folder too large.
std::optional<FolderListing> ListFolderToPack(Interaction& ui, const std::string& SourcePath);

// Builds the package of the listed files at `packagePath` with the package object.
void PackListing(Interaction& ui, const FolderListing& listing, const std::string& packagePath);

// Writes into `out` the record for the listed files, their package streamed through
// the cipher: the same bytes as the package PackListing writes, encrypted as a
// file, without the package ever being a file. The record names it "TempStuf.stuf".
void EncryptFolderToRecord(const FolderListing& listing, vw::FileWriter& out,
                           const std::string& typedPassword, Interaction& ui);

// Builds the package of `SourcePath` (asked for when empty) at `packagePath`.
// False when the user cancelled. Throws vw::Error on a failure, before anything
// is written when a name would not come back as itself or the folder is too
// large. `skipped` gets the entries left out (links, special files, dot names).
bool PackFolder(Interaction& ui, const std::string& SourcePath, const std::string& packagePath,
                std::vector<std::string>& skipped);

// Unpacks the package that `file`'s payload holds into `staging`, the staging
// folder of `folder`, as the payload is restored; returns its files.
// Failure texts name the package by the encrypted file `source`. Throws
// vw::Error for a damaged package or one that would write outside `folder`.
std::vector<vw::stuf::PackageFile> UnpackPayload(EncryptedSource& file, vw::StagingFolder& staging,
                                                 const std::string& folder,
                                                 const std::string& source, Interaction& ui);

}  // namespace modVW
