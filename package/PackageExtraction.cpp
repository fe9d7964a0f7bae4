#include "PackageExtraction.h"

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "Error.h"
#include "PathText.h"
#include "PrivateFolder.h"

namespace vw::stuf {
namespace {

// The folder itself when it exists, else the nearest folder above it that does.
std::string ExistingFolder(std::string dest) {
    for (;;) {
        while (dest.size() > 1 && dest.back() == '/')
            dest.pop_back();
        struct stat st {};
        if (::stat(dest.c_str(), &st) == 0 || dest == "/" || dest == ".") return dest;
        dest = FolderOf(dest);
    }
}

uint64_t StatvfsFreeSpace(const std::string& folder) {
    struct statvfs fs {};
    if (::statvfs(folder.c_str(), &fs) != 0)
        throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot open"), folder);
    return static_cast<uint64_t>(fs.f_bavail) * fs.f_frsize;
}

}  // namespace

void CheckEntryName(int32_t number, const std::string& name, long nameMax) {
    Text why;  // none: no context
    if (name.empty())
        why = VW_TEXT("Package", "its name is empty");
    else if (name == "." || name == "..")
        why = Text(VW_TEXT("Package", "its name \"%1\" is a folder step"), {name});
    else if (name.find('/') != std::string::npos)
        why = Text(VW_TEXT("Package", "its name \"%1\" contains a folder separator"), {name});
    else if (name.find('\0') != std::string::npos)
        why = VW_TEXT("Package", "its name contains a NUL character");
    if (!why.Context() && vw::IsReservedName(name))
        throw Error(ErrorNumber::PathFileAccess,
                    Text(VW_TEXT("Package",
                                 "Refusing to extract file %1: its name \"%2\" is one "
                                 "this program keeps for its own files"),
                         {std::to_string(number), name}));
    if (why.Context())
        throw Error(ErrorNumber::PathFileAccess,
                    Text(VW_TEXT("Package",
                                 "Refusing to extract file %1: %2 and could be written "
                                 "outside the destination folder"),
                         {std::to_string(number), why}));
    if (nameMax > 0 && name.size() > static_cast<size_t>(nameMax))
        throw Error(ErrorNumber::BadFileName,
                    Text(VW_TEXT("Package",
                                 "Bad file name: file %1 \"%2\" has a %3-byte name; "
                                 "the destination takes %4 bytes at most"),
                         {std::to_string(number), name, std::to_string(name.size()),
                          std::to_string(nameMax)}));
}

long NameMaxAt(const std::string& dest) {
    const long max = ::pathconf(ExistingFolder(dest).c_str(), _PC_NAME_MAX);
    return max > 0 ? max : NAME_MAX;
}

uint64_t CheckFreeSpace(const std::string& dest, uint64_t declared,
                        const std::function<uint64_t(const std::string&)>& freeSpace) {
    const std::string folder = ExistingFolder(dest);
    const uint64_t free = freeSpace ? freeSpace(folder) : StatvfsFreeSpace(folder);
    if (declared > free)
        throw Error(ErrorNumber::DiskFull,
                    Text(VW_TEXT("Package",
                                 "Disk full: the package holds %1 bytes, but '%2' has "
                                 "only %3 free"),
                         {std::to_string(declared), dest, std::to_string(free)}));
    return free;
}

}  // namespace vw::stuf
