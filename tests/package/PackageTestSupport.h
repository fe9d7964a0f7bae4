#pragma once
// Helpers for the package tests: a temporary folder, whole-file reading and
// writing, and a small builder for package bytes written out by hand.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace pkgtest {

using Bytes = std::vector<uint8_t>;

class TempDir {
public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vwpkgtest-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

inline void WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

inline void WriteFile(const std::string& path, const std::string& text) {
    WriteFile(path, Bytes(text.begin(), text.end()));
}

inline Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

inline ino_t InodeOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return 0;
    return st.st_ino;
}

// Names in a folder, sorted.
inline std::vector<std::string> Listing(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Deterministic bytes that compress somewhat (text-like, with repeats).
inline Bytes SampleBytes(size_t n, uint32_t seed = 1) {
    Bytes out(n);
    uint32_t x = seed * 2654435761u + 12345;
    for (size_t i = 0; i < n; ++i) {
        x = x * 1103515245u + 12345u;
        out[i] = static_cast<uint8_t>(
            "the quick brown fox jumps over a lazy dog 0123456789"[(x >> 16) % 52]);
    }
    return out;
}

// Package bytes written out by hand, field by field, little-endian.
class PackageBytes {
public:
    PackageBytes& U8(uint8_t v) {
        bytes_.push_back(v);
        return *this;
    }
    PackageBytes& U16(uint16_t v) {
        bytes_.push_back(static_cast<uint8_t>(v));
        bytes_.push_back(static_cast<uint8_t>(v >> 8));
        return *this;
    }
    PackageBytes& U32(uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes_.push_back(static_cast<uint8_t>(v >> (8 * i)));
        return *this;
    }
    PackageBytes& I32(int32_t v) { return U32(static_cast<uint32_t>(v)); }
    PackageBytes& Raw(std::initializer_list<uint8_t> v) {
        bytes_.insert(bytes_.end(), v);
        return *this;
    }
    PackageBytes& Raw(const Bytes& v) {
        bytes_.insert(bytes_.end(), v.begin(), v.end());
        return *this;
    }
    PackageBytes& Zeros(size_t n) {
        bytes_.insert(bytes_.end(), n, 0);
        return *this;
    }
    // CountedText: 16-bit length, then the bytes.
    PackageBytes& Text(const std::string& s) {
        U16(static_cast<uint16_t>(s.size()));
        bytes_.insert(bytes_.end(), s.begin(), s.end());
        return *this;
    }
    // Entry table header: 1 dimension, `slots` slots, lower bound 0.
    PackageBytes& Table(uint32_t slots) { return U16(1).U32(slots).I32(0); }
    // Slot 0 as this system writes it: 22 bytes of 0.
    PackageBytes& EmptySlot() { return Zeros(22); }
    // A whole slot with a sized Contents and empty reserved fields.
    PackageBytes& Slot(const Bytes& contents, const std::string& name, int32_t fileSize,
                       int16_t compressed) {
        U16(1).U32(static_cast<uint32_t>(contents.size())).I32(0).Raw(contents);
        Text(name).I32(fileSize).U16(static_cast<uint16_t>(compressed));
        return Text("").Text("").Zeros(8);
    }
    // EntryCount, FormatTag "STUF20", empty reserved texts, zero reserved numbers.
    PackageBytes& Trailer(int32_t entryCount) {
        return I32(entryCount).Text("STUF20").Text("").Text("").I32(0).I32(0);
    }
    const Bytes& Get() const { return bytes_; }
    operator const Bytes&() const { return bytes_; }

private:
    Bytes bytes_;
};

// Example 1 of the format: an empty package without description (58 bytes).
inline Bytes Example1() {
    return PackageBytes()
        .Text("")     // Description: 00 00
        .Table(1)     // 01 00 | 01 00 00 00 | 00 00 00 00
        .EmptySlot()  // slot 0: 22 bytes of 00
        .Trailer(0)   // EntryCount 0, "STUF20", reserved
        .Get();
}

// Example 2 of the format: description "D", one stored file a.txt holding "abc" (97 bytes).
inline Bytes Example2() {
    return PackageBytes()
        .Text("D")
        .Table(2)
        .EmptySlot()
        .Slot({'a', 'b', 'c'}, "a.txt", 3, 0)
        .Trailer(1)
        .Get();
}

inline std::string DataPath(const std::string& name) {
    return std::string(VW_TEST_DATA) + "/packages/" + name;
}

}  // namespace pkgtest
