#pragma once
// The place where a folder's package is built or unpacked: a private folder of
// one operation, holding the package under its classic name "TempStuf.stuf" (the
// name an encrypted folder records), so that any number of operations can run
// at once and none can touch a file of the user's.

#include <memory>
#include <string>

namespace vw {
class PrivateFolder;
}

namespace modVW {

// The temporary package of this process's running operation; "" when none runs.
std::string TemporaryPackagePath();

// The temporary package of this process's latest operation, running or ended, so
// that a report naming it can name the user's file instead.
std::string LastTemporaryPackagePath();

// Owns one operation's folder "<base>/.vaultwise-temp-XXXXXX" (mode 0700) and the
// package in it. <base> is the program's folder when it is writable, else
// "$XDG_CACHE_HOME/moravi-vaultwise" (default ~/.cache/...), a folder of this
// user's only; the environment variable VAULTWISE_TEMP_DIR, when set, names it
// instead (tests running in parallel use it). The folder stays locked while the
// operation runs, so a later run can tell that one left by a killed run is stale.
class TemporaryPackage {
public:
    // Sweeps stale folders first. Throws vw::Error when no private folder can be made.
    TemporaryPackage();
    ~TemporaryPackage();
    TemporaryPackage(const TemporaryPackage&) = delete;
    TemporaryPackage& operator=(const TemporaryPackage&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::unique_ptr<vw::PrivateFolder> folder_;
    std::string path_;
    int leftover_ = -1;  // the package's slot in vw::Leftovers
};

// Removes the folders that killed runs left behind (unlocked ones), and their named
// temporaries beside outputs; never anything in use, and never anything but this
// program's own temporary files and folders. Every procedure starts with it.
void RemoveLeftoverPackage();

}  // namespace modVW
