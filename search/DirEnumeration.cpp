#include "DirEnumeration.h"

#include <fcntl.h>
#include <sys/stat.h>

#include "cDirSearch.h"

std::string DirEnumeration::FindFirst(const std::string& Folder, const std::string& Pattern) {
    CloseSearch();
    SearchHandle = opendir(Folder.c_str());
    if (SearchHandle == nullptr) return {};
    CurrentPattern = Pattern;
    return FindNext();
}

std::string DirEnumeration::FindNext() {
    if (SearchHandle == nullptr) return {};
    // A read error ends the listing like its natural end does.
    while (const dirent* entry = readdir(SearchHandle)) {
        if (!MatchesWildcard(entry->d_name, CurrentPattern)) continue;
        CurrentName = entry->d_name;
        CurrentType = entry->d_type;
        return CurrentName;
    }
    CloseSearch();
    return {};
}

void DirEnumeration::CloseSearch() {
    if (SearchHandle != nullptr) closedir(SearchHandle);
    SearchHandle = nullptr;
}

namespace {

DirEnumeration::Kind KindOfMode(mode_t mode) {
    if (S_ISREG(mode)) return DirEnumeration::Kind::File;
    if (S_ISDIR(mode)) return DirEnumeration::Kind::Folder;
    return DirEnumeration::Kind::Other;
}

}  // namespace

DirEnumeration::Kind DirEnumeration::EntryAttributes() const {
    if (SearchHandle == nullptr) return Kind::Other;
    const int folder = dirfd(SearchHandle);
    const char* name = CurrentName.c_str();
    switch (CurrentType) {
        case DT_REG:
            return Kind::File;
        case DT_DIR:
            return Kind::Folder;
        case DT_UNKNOWN:
            break;  // some file systems do not fill d_type
        default:
            return Kind::Other;
    }
    struct stat entry {};
    if (fstatat(folder, name, &entry, AT_SYMLINK_NOFOLLOW) != 0) return Kind::Other;
    return KindOfMode(entry.st_mode);
}
