#pragma once
// What the fuzz targets share: the input as a file that lives in memory, and the
// findings. The readers take paths, not buffers: each input is written to a memfd
// reached through /proc/self/fd, so an iteration costs no disk access.

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ScriptedInteraction.h"

[[noreturn]] inline void Finding(const std::string& what) {
    std::fprintf(stderr, "%s\n", what.c_str());
    std::abort();
}

// A failure whose text is empty: the user would see nothing.
inline void RequireText(const std::string& text, const char* where) {
    if (text.empty()) Finding(std::string(where) + " failed without saying why");
}

// Every error report must name its problem ("Error N - " and a description), since
// that text is all a user gets to see of a damaged file.
inline void RequireReports(const ScriptedInteraction& ui) {
    for (const std::string& text : ui.Messages()) {
        const auto dash = text.find(" - ");
        if (text.rfind("Error ", 0) != 0 || dash == std::string::npos || dash + 3 >= text.size())
            Finding("error report without a description: \"" + text + "\"");
    }
}

class FuzzFile {
public:
    explicit FuzzFile(const char* name) : fd_(::memfd_create(name, 0)) {
        if (fd_ < 0) Finding("memfd_create failed");
        path_ = "/proc/self/fd/" + std::to_string(fd_);
    }
    ~FuzzFile() { ::close(fd_); }
    FuzzFile(const FuzzFile&) = delete;
    FuzzFile& operator=(const FuzzFile&) = delete;

    // Replaces the whole content by `size` bytes.
    void Write(const uint8_t* data, size_t size) {
        if (::ftruncate(fd_, 0) != 0) std::abort();
        for (size_t done = 0; done < size;) {
            const ssize_t n = ::pwrite(fd_, data + done, size - done, static_cast<off_t>(done));
            if (n <= 0) std::abort();
            done += static_cast<size_t>(n);
        }
    }
    const std::string& Path() const { return path_; }

private:
    int fd_;
    std::string path_;
};
