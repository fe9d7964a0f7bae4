#pragma once
// Helpers for the package tests: a temporary folder, whole files, and package
// bytes written out by hand, field by field.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace pkgtest {

using Bytes = std::vector<uint8_t>;

class TempDir {
public:
    TempDir() : path_((std::filesystem::temp_directory_path() / "vwpkgtest-XXXXXX").string()) {
        if (!::mkdtemp(path_.data())) throw std::runtime_error("mkdtemp failed");
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

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        throw std::runtime_error("cannot write " + path);
}

inline void WriteFile(const std::string& path, const Bytes& bytes) {
    WriteFile(path, std::string(bytes.begin(), bytes.end()));
}

inline Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline Bytes B(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

inline bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

inline ino_t InodeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

// Names in a folder, sorted.
inline std::vector<std::string> Listing(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Deterministic text-like bytes that compress somewhat.
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

// Package bytes, little-endian.
class PackageBytes {
public:
    PackageBytes& U16(uint16_t v) { return Raw({uint8_t(v), uint8_t(v >> 8)}); }
    PackageBytes& I32(int32_t v) {
        const auto u = static_cast<uint32_t>(v);
        return Raw({uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)});
    }
    PackageBytes& Raw(const Bytes& v) {
        bytes_.insert(bytes_.end(), v.begin(), v.end());
        return *this;
    }
    PackageBytes& Zeros(size_t n) { return Raw(Bytes(n, 0)); }
    // CountedText: 16-bit length, then the bytes.
    PackageBytes& Text(const std::string& s) { return U16(uint16_t(s.size())).Raw(B(s)); }
    // Entry table header: 1 dimension, `slots` slots, lower bound 0.
    PackageBytes& Table(uint32_t slots) { return U16(1).I32(int32_t(slots)).I32(0); }
    // Slot 0 as this system writes it, and a spare slot: 22 bytes of 0.
    PackageBytes& EmptySlot() { return Zeros(22); }
    // Contents: 1 dimension, element count, lower bound 0, the bytes.
    PackageBytes& Contents(const Bytes& c) { return U16(1).I32(int32_t(c.size())).I32(0).Raw(c); }
    // A whole slot with sized Contents and empty reserved fields.
    PackageBytes& Slot(const Bytes& contents, const std::string& name, int32_t fileSize,
                       int16_t compressed) {
        Contents(contents).Text(name).I32(fileSize).U16(uint16_t(compressed));
        return Text("").Text("").Zeros(8);
    }
    // EntryCount, then `tag`, empty reserved texts and zero reserved numbers.
    PackageBytes& Trailer(int32_t entryCount, const std::string& tag = "STUF20") {
        return I32(entryCount).Text(tag).Text("").Text("").I32(0).I32(0);
    }
    operator const Bytes&() const { return bytes_; }

private:
    Bytes bytes_;
};

// First worked example: an empty package without description (58 bytes).
inline Bytes Example1() {
    return PackageBytes().Text("").Table(1).EmptySlot().Trailer(0);
}

// Second worked example: description "D", one stored file a.txt holding "abc" (97 bytes).
inline Bytes Example2() {
    return PackageBytes().Text("D").Table(2).EmptySlot().Slot(B("abc"), "a.txt", 3, 0).Trailer(1);
}

inline std::string DataPath(const std::string& name) {
    return std::string(VW_TEST_DATA) + "/packages/" + name;
}

}  // namespace pkgtest
