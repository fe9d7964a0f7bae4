#include "cDirSearch.h"

#include <new>
#include <stdexcept>

#include "DirEnumeration.h"

namespace {

// Makes Path name a folder: a trailing "/" is added when missing ("" becomes "/").
void EndWithSeparator(std::string& Path) {
    if (Path.empty() || Path.back() != '/') Path += '/';
}

bool IsDotName(const std::string& name) {
    return !name.empty() && name.front() == '.';
}

}  // namespace

std::vector<std::string> cDirSearch::FindFiles(std::string& Path, const std::string& Pattern,
                                               bool SubDirs) {
    try {
        FileList.assign(1, std::string());
        Skipped.clear();
        if (SubDirs) {
            SearchTree(Path, Pattern);
        } else {
            SearchFolder(Path, Pattern);
        }
        return FileList;
    } catch (const std::bad_alloc&) {
        LastFindErr = "Out of memory";
    } catch (const std::length_error&) {
        LastFindErr = "Out of memory";
    }
    FileList.clear();
    return {};
}

std::string cDirSearch::FindFirst(DirEnumeration& Search, const std::string& Path,
                                  const std::string& Pattern) {
    std::string name = Search.FindFirst(Path, Pattern);
    if (name.empty()) LastFindErr = Path + Pattern + " could not be found!";
    return name;
}

void cDirSearch::SearchFolder(std::string& Path, const std::string& Pattern) {
    EndWithSeparator(Path);
    DirEnumeration search;
    for (std::string name = FindFirst(search, Path, Pattern); !name.empty();
         name = search.FindNext()) {
        const auto kind = search.EntryAttributes();
        if (name == "." || name == "..") continue;
        if (kind == DirEnumeration::Kind::Folder)  // told, with a "/" to say what it is
            Skipped.push_back(Path + name + '/');
        else if (IsDotName(name) || kind == DirEnumeration::Kind::Other)
            Skipped.push_back(Path + name);
        else
            FileList.push_back(Path + name);
    }
}

void cDirSearch::SearchTree(std::string& Path, const std::string& Pattern) {
    EndWithSeparator(Path);
    DirEnumeration search;  // this level's own listing; a sub-walk opens its own
    for (std::string name = FindFirst(search, Path, Pattern); !name.empty();
         name = search.FindNext()) {
        if (IsDotName(name)) {
            if (search.EntryAttributes() != DirEnumeration::Kind::Folder)
                Skipped.push_back(Path + name);
            continue;
        }
        switch (search.EntryAttributes()) {
            case DirEnumeration::Kind::File:
                FileList.push_back(Path + name);
                break;
            case DirEnumeration::Kind::Folder: {
                std::string subFolder = Path + name + '/';
                SearchTree(subFolder, Pattern);
                break;
            }
            case DirEnumeration::Kind::Other:
                Skipped.push_back(Path + name);
                break;
        }
    }
}
