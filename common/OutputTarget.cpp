#include "OutputTarget.h"

#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <linux/magic.h>
#include <filesystem>

#include "Error.h"

namespace vw {
namespace {

bool InProc(const std::filesystem::path& path) {
    struct statfs fs {};
    const auto folder = path.parent_path();
    return ::statfs(folder.empty() ? "." : folder.c_str(), &fs) == 0 &&
           fs.f_type == PROC_SUPER_MAGIC;
}

// True when following the symbolic link `path` passes a link of /proc: those name
// the open files of a process (/dev/stdout, /proc/self/fd/N), not places in folders.
bool LeadsThroughProc(std::filesystem::path path) {
    for (int hop = 0; hop < 40; ++hop) {
        if (InProc(path)) return true;
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec))) return false;
        const auto next = std::filesystem::read_symlink(path, ec);
        if (ec) return false;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return false;
}

}  // namespace

OutputTarget KindOfOutput(const std::string& path) {
    if (path == kStandardOutput) return OutputTarget::Direct;
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return OutputTarget::Absent;
    if (S_ISLNK(st.st_mode)) {
        const bool proc = LeadsThroughProc(path);
        if (::stat(path.c_str(), &st) != 0) return OutputTarget::Replaced;  // a dangling link
        if (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode)) return OutputTarget::Direct;
        if (proc) return S_ISREG(st.st_mode) ? OutputTarget::Direct : OutputTarget::Unusable;
        return OutputTarget::Replaced;
    }
    if (S_ISREG(st.st_mode)) return OutputTarget::Replaced;
    if (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode)) return OutputTarget::Direct;
    return OutputTarget::Unusable;
}

void RefuseOutput(const std::string& path) {
    struct stat st {};
    Template what =
        VW_TEXT("Errors", "Path/File access error: '%1' is a socket, not a file to write");
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            what =
                VW_TEXT("Errors", "Path/File access error: '%1' is a folder, not a file to write");
        if (S_ISBLK(st.st_mode) || S_ISCHR(st.st_mode))
            what =
                VW_TEXT("Errors", "Path/File access error: '%1' is a device, not a file to write");
        if (S_ISFIFO(st.st_mode))
            what = VW_TEXT("Errors", "Path/File access error: '%1' is a FIFO, not a file to write");
    }
    throw Error(ErrorNumber::PathFileAccess, Text(what, {path}));
}

}  // namespace vw
