#include "TemporaryPackage.h"

#include "Error.h"
#include "Leftovers.h"
#include "PrivateFolder.h"
#include "TemporaryFile.h"

namespace modVW {
namespace {

std::string currentPackage;  // of this process's running operation
std::string lastPackage;     // of its latest operation

}  // namespace

std::string TemporaryPackagePath() {
    return currentPackage;
}

std::string LastTemporaryPackagePath() {
    return lastPackage;
}

TemporaryPackage::TemporaryPackage() {
    const std::string base = vw::PrivateBase();
    if (base.empty())
        throw vw::Error(vw::ErrorNumber::PermissionDenied,
                        vw::Text(VW_TEXT("Procedures",
                                         "Permission denied: no private folder for the temporary "
                                         "package (the program's folder is not writable and %1 "
                                         "is not this user's own)"),
                                 {vw::CacheBase()}));
    vw::SweepStaleFolders(base, vw::kRunPrefix);
    folder_ = std::make_unique<vw::PrivateFolder>(base, vw::kRunPrefix);
    path_ = folder_->Path() + "/" + kTemporaryPackageName;
    currentPackage = lastPackage = path_;
    leftover_ = vw::Leftovers::Remember(path_.c_str());
}

TemporaryPackage::~TemporaryPackage() {
    vw::Leftovers::Forget(leftover_);
    currentPackage.clear();
}

void RemoveLeftoverPackage() {
    if (const std::string base = vw::PrivateBase(); !base.empty())
        vw::SweepStaleFolders(base, vw::kRunPrefix);
    vw::SweepNamedTemporaries();
}

}  // namespace modVW
