#pragma once
// A folder travels as one STUF20 package of its own files (not those of its
// sub-folders), built and unpacked at the temporary package path.

#include <optional>
#include <string>
#include <vector>

class cSTUF20;
class cDirSearch;

namespace modVW {

class Interaction;

constexpr const char* kFolderDescription = "Vaultwise 3 Encrypted Folder";

// The program-wide package and directory search objects, made on first use.
cSTUF20& PackageObject();
cDirSearch& DirSearchObject();

// Builds the package of `SourcePath` (asked for when empty) at `packagePath`.
// False when the user cancelled. Throws vw::Error on a failure, before anything
// is written when a name would not come back as itself or the folder is too
// large. `skipped` gets the entries left out (links, special files, dot names).
bool PackFolder(Interaction& ui, const std::string& SourcePath, const std::string& packagePath,
                std::vector<std::string>& skipped);

// Extracts the package file `packagePath` into `folder`, giving the user interface
// its turn after each entry. Throws vw::Error on a failure.
void ExtractPackage(Interaction& ui, const std::string& packagePath, const std::string& folder);

}  // namespace modVW
