#pragma once
// A folder of one run of the program ("<parent>/<prefix>XXXXXX", mode 0700) that
// stays locked while the run lives. A run killed with SIGKILL cannot clean up;
// its folder is then unlocked, and the next run that sweeps the parent removes it.
// The folder holds a marker file with a secret of this user's, so a sweep
// removes only folders this program made for this user: a folder of the same
// name that came out of an extracted file, or that someone else made, is never
// touched.

#include <string>
#include <string_view>

namespace vw {

class PrivateFolder {
public:
    // Creates and locks a fresh folder in `parent`. Throws vw::Error.
    PrivateFolder(const std::string& parent, const std::string& prefix);
    // Removes the folder with all it holds, also when its parent was renamed meanwhile.
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    const std::string& Path() const { return path_; }
    // The folder, open for as long as it lives.
    int Fd() const { return lock_; }

private:
    std::string path_;
    std::string name_;
    int parent_ = -1;
    int lock_ = -1;
    int leftover_ = -1;  // the folder's slot in Leftovers, removed on a signal
};

// The prefix of a run's folder in PrivateBase(), for a temporary package and for
// output checked before it leaves alike: one sweep finds what a killed run left.
inline constexpr const char* kRunPrefix = ".vaultwise-temp-";
// The prefix of an extraction's staging folder in its destination.
inline constexpr const char* kStagingPrefix = ".vaultwise-extract-";

// Removes the folders "<parent>/<prefix>XXXXXX" (six letters or digits) of this user
// that hold this program's marker with this user's secret and that no running
// process holds locked, with all they hold. Nothing else is ever touched.
void SweepStaleFolders(const std::string& parent, const std::string& prefix);

// True for a name this program gives its own files and folders (run and staging
// folders, their marker, named temporary files): an extracted entry never takes one.
bool IsReservedName(std::string_view name);

// The folder that holds a run's private folders: the environment variable
// VAULTWISE_TEMP_DIR when set (tests running in parallel use it), else the
// program's folder when it is writable, else CacheBase(); "" when none is usable.
std::string PrivateBase();
// "$XDG_CACHE_HOME/moravi-vaultwise" (default ~/.cache/...), made this user's only.
std::string CacheBase();

}  // namespace vw
