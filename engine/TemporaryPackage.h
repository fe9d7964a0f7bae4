#pragma once
// The one place where a folder's package is built or unpacked.

#include <string>

namespace modVW {

// "<program folder>/TempStuf.stuf" when the program's folder is writable, else
// "$XDG_CACHE_HOME/moravi-vaultwise/TempStuf.stuf" (default ~/.cache/...), a
// folder of this user's only; "" when that folder is not. The environment variable
// VAULTWISE_TEMP_DIR, when set, names the folder instead; tests running in
// parallel use it.
std::string TemporaryPackagePath();

// Owns the temporary package's place for one operation: at most one operation of
// any process at a time (a lock on its folder), and it removes the file there at
// its start, so a leftover never mixes into a new package, and at its end.
class TemporaryPackage {
public:
    // Throws vw::Error when another operation owns the place.
    TemporaryPackage();
    ~TemporaryPackage();
    TemporaryPackage(const TemporaryPackage&) = delete;
    TemporaryPackage& operator=(const TemporaryPackage&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
    int lock_ = -1;
    int leftover_ = -1;  // the package's slot in vw::Leftovers
};

// Removes a package that an interrupted run left behind, unless another operation
// owns the place right now.
void RemoveLeftoverPackage();

}  // namespace modVW
