#pragma once
// A folder of one run of the program ("<parent>/<prefix>XXXXXX", mode 0700) that
// stays locked while the run lives. A run killed with SIGKILL cannot clean up;
// its folder is then unlocked, and the next run that sweeps the parent removes it.

#include <string>

namespace vw {

class PrivateFolder {
public:
    // Creates and locks a fresh folder in `parent`. Throws vw::Error.
    PrivateFolder(const std::string& parent, const std::string& prefix);
    // Removes the files in the folder, then the folder.
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
    int lock_ = -1;
    int leftover_ = -1;  // the folder's slot in Leftovers, removed on a signal
};

// The prefix of a run's folder in PrivateBase(), for a temporary package and for
// output checked before it leaves alike: one sweep finds what a killed run left.
inline constexpr const char* kRunPrefix = ".vaultwise-temp-";

// Removes the folders "<parent>/<prefix>XXXXXX" (six letters or digits) of this user
// that hold this program's marker file and that no running process holds locked,
// with the files in them. Nothing else is ever touched.
void SweepStaleFolders(const std::string& parent, const std::string& prefix);

// The folder that holds a run's private folders: the environment variable
// VAULTWISE_TEMP_DIR when set (tests running in parallel use it), else the
// program's folder when it is writable, else CacheBase(); "" when none is usable.
std::string PrivateBase();
// "$XDG_CACHE_HOME/moravi-vaultwise" (default ~/.cache/...), made this user's only.
std::string CacheBase();

}  // namespace vw
