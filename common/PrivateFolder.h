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
};

// Removes the folders "<parent>/<prefix>*" of this user that no running process
// holds locked, with the files in them. Nothing else is ever touched.
void SweepStaleFolders(const std::string& parent, const std::string& prefix);

}  // namespace vw
