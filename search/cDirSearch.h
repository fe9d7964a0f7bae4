#pragma once
// Lists a folder's files as full paths, flat or with its sub-folders.

#include <string>
#include <string_view>
#include <vector>

class DirEnumeration;

class cDirSearch {
public:
    std::string LastFindErr;  // last listing failure; not cleared by a later success
    // Full paths of the entries the last FindFiles met but left out, so the caller
    // can say so: symbolic links, special files, names that begin with a dot and, in a
    // search without sub-folders, the sub-folders (ending in "/").
    std::vector<std::string> Skipped;

    // Element 0 is always ""; elements 1..N are the files found, in the order the
    // walk met them. Appends "/" to the caller's Path when it lacks one. An empty
    // vector (not even element 0) means the walk failed; LastFindErr says why.
    std::vector<std::string> FindFiles(std::string& Path, const std::string& Pattern, bool SubDirs);

private:
    std::vector<std::string> FileList;

    // Lists the files of Path alone; sub-folders are neither listed nor entered.
    void SearchFolder(std::string& Path, const std::string& Pattern);
    // Lists the files of Path and, depth-first, of every sub-folder the pattern matches.
    void SearchTree(std::string& Path, const std::string& Pattern);
    // Opens the listing of Path + Pattern; on failure records it in LastFindErr.
    std::string FindFirst(DirEnumeration& Search, const std::string& Path,
                          const std::string& Pattern);
};

// Windows wildcard matching of one file name, letter case ignored: "*" and "?",
// and "*.*" matches every name, also one without a dot.
bool MatchesWildcard(std::string_view name, std::string_view pattern);
