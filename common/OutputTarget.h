#pragma once
// What lies at a path about to be written, and so how it may be written: a file
// (or a symbolic link) is replaced by a new file once that is complete; a device,
// a pipe or an open file reached through /proc is written to directly, since
// renaming over it would turn a system link or node into a plain file.

#include <string>

namespace vw {

enum class OutputTarget {
    Absent,    // nothing there: a new file
    Replaced,  // a regular file, or a symbolic link (never followed), replaced as a whole
    Direct,    // a character device, a FIFO, or a file named through /proc: written into
    Unusable,  // a folder, a socket, a block device: refused
};

// The name an output takes for this process's standard output: always written into,
// through descriptor 1 itself (see ReplacingWriter).
constexpr const char* kStandardOutput = "/proc/self/fd/1";

OutputTarget KindOfOutput(const std::string& path);

// Throws the error that refuses writing an Unusable `path`.
[[noreturn]] void RefuseOutput(const std::string& path);

}  // namespace vw
