#include "TemporaryPackage.h"

#include "Error.h"
#include "Leftovers.h"
#include "PrivateFolder.h"
#include "TemporaryFile.h"

namespace modVW {
namespace {

constexpr const char* kRunPrefix = ".vaultwise-temp-";
constexpr const char* kPackageName = "TempStuf.stuf";

std::string currentPackage;  // of this process's running operation
std::string lastPackage;     // of its latest operation

// The folder that holds the operations' folders; "" when there is none to use.
std::string BaseFolder() {
    return vw::PrivateBase();
}

std::string CacheFolder() {
    return vw::CacheBase();
}

}  // namespace

std::string TemporaryPackagePath() {
    return currentPackage;
}

std::string LastTemporaryPackagePath() {
    return lastPackage;
}

TemporaryPackage::TemporaryPackage() {
    const std::string base = BaseFolder();
    if (base.empty())
        throw vw::Error(vw::ErrorNumber::PermissionDenied,
                        "Permission denied: no private folder for the temporary package (the "
                        "program's folder is not writable and " +
                            CacheFolder() + " is not this user's own)");
    vw::SweepStaleFolders(base, kRunPrefix);
    folder_ = std::make_unique<vw::PrivateFolder>(base, kRunPrefix);
    path_ = folder_->Path() + "/" + kPackageName;
    currentPackage = lastPackage = path_;
    leftover_ = vw::Leftovers::Remember(path_.c_str());
}

TemporaryPackage::~TemporaryPackage() {
    vw::Leftovers::Forget(leftover_);
    currentPackage.clear();
}

void RemoveLeftoverPackage() {
    if (const std::string base = BaseFolder(); !base.empty())
        vw::SweepStaleFolders(base, kRunPrefix);
    vw::SweepNamedTemporaries();
}

}  // namespace modVW
