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
    if (::statvfs(folder.c_str(), &fs) != 0) throw ErrorFromErrno(errno, "Cannot open", folder);
    return static_cast<uint64_t>(fs.f_bavail) * fs.f_frsize;
}

}  // namespace

void CheckEntryName(int32_t number, const std::string& name, long nameMax) {
    std::string why;
    if (name.empty())
        why = "its name is empty";
    else if (name == "." || name == "..")
        why = "its name \"" + name + "\" is a folder step";
    else if (name.find('/') != std::string::npos)
        why = "its name \"" + name + "\" contains a folder separator";
    else if (name.find('\0') != std::string::npos)
        why = "its name contains a NUL character";
    if (why.empty() && vw::IsReservedName(name))
        throw Error(ErrorNumber::PathFileAccess,
                    "Refusing to extract file " + std::to_string(number) + ": its name \"" + name +
                        "\" is one this program keeps for its own files");
    if (!why.empty())
        throw Error(ErrorNumber::PathFileAccess,
                    "Refusing to extract file " + std::to_string(number) + ": " + why +
                        " and could be written outside the destination folder");
    if (nameMax > 0 && name.size() > static_cast<size_t>(nameMax))
        throw Error(ErrorNumber::BadFileName,
                    "Bad file name: file " + std::to_string(number) + " \"" + name + "\" has a " +
                        std::to_string(name.size()) + "-byte name; the destination takes " +
                        std::to_string(nameMax) + " bytes at most");
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
        throw Error(ErrorNumber::DiskFull, "Disk full: the package holds " +
                                               std::to_string(declared) + " bytes, but '" + dest +
                                               "' has only " + std::to_string(free) + " free");
    return free;
}

}  // namespace vw::stuf
