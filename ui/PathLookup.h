#pragma once
// The existence tests behind a path given on the command line or dropped on the
// window. Hidden entries (a name that starts with ".") are never found, and neither
// are devices, pipes and sockets, which stand in for the classic system files.

#include <string>

namespace vwui {

// True when `path` names a regular file that is not hidden.
bool IsOrdinaryFile(const std::string& path);

// True when `path` names a folder that is not hidden.
bool IsOrdinaryFolder(const std::string& path);

}  // namespace vwui
