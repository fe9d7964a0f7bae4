#pragma once
// One open listing of the entries of a folder whose names match a wildcard, the
// way the Windows find-first/find-next pair hands them out. The folder's own "."
// and ".." take part, so an empty folder still yields entries.

#include <dirent.h>

#include <string>

class DirEnumeration {
public:
    enum class Kind { File, Folder, Other };

    DirEnumeration() = default;
    ~DirEnumeration() { CloseSearch(); }
    DirEnumeration(const DirEnumeration&) = delete;
    DirEnumeration& operator=(const DirEnumeration&) = delete;

    // Opens Folder and returns the first name matching Pattern; "" when the folder
    // cannot be read or nothing in it matches (then nothing stays open).
    std::string FindFirst(const std::string& Folder, const std::string& Pattern);
    // The next matching name, or "" at the end (which closes the listing).
    std::string FindNext();
    // Releases the listing; harmless when none is open.
    void CloseSearch();
    // What the current entry is. A symbolic link is Other, whatever it points to:
    // a listing never follows one (as tar does not), so a link planted in a folder
    // cannot bring in a file from elsewhere or lead a walk into a loop.
    Kind EntryAttributes() const;

private:
    DIR* SearchHandle = nullptr;
    std::string CurrentPattern;
    std::string CurrentName;
    unsigned char CurrentType = DT_UNKNOWN;
};
