#pragma once
// The one place where a folder's package is built or unpacked.

#include <string>

namespace modVW {

// "<program folder>/TempStuf.stuf" when the program's folder is writable, else
// "$XDG_CACHE_HOME/moravi-vaultwise/TempStuf.stuf" (default ~/.cache/...). The
// environment variable VAULTWISE_TEMP_DIR, when set, names the folder instead;
// tests running in parallel use it.
std::string TemporaryPackagePath();

// Removes the file at TemporaryPackagePath() when the scope ends, and once at the
// start, so a package left by an interrupted run never mixes into a new one.
class TemporaryPackage {
public:
    TemporaryPackage();
    ~TemporaryPackage();
    TemporaryPackage(const TemporaryPackage&) = delete;
    TemporaryPackage& operator=(const TemporaryPackage&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace modVW
