#pragma once
// What every test binary shares: a throw-away folder, whole files, running a
// command, and the manifests of tests/data.

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// A fresh folder under the system's temporary folder, removed with everything in
// it (also what a test made read-only).
class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vwtest-XXXXXX").string();
        if (::mkdtemp(pattern.data())) path_ = pattern;
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
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
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}
inline void WriteFile(const std::string& path, const Bytes& bytes) {
    WriteFile(path, std::string(bytes.begin(), bytes.end()));
}
inline Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
// Content of a file as text, "" when missing.
inline std::string ReadText(const std::string& path) {
    const Bytes bytes = ReadFile(path);
    return {bytes.begin(), bytes.end()};
}
inline Bytes B(const std::string& text) {
    return {text.begin(), text.end()};
}

// Deterministic text-like bytes that compress somewhat.
inline Bytes SampleBytes(size_t n, uint32_t seed = 1) {
    Bytes out(n);
    uint32_t x = seed * 2654435761u + 12345;
    for (auto& b : out) {
        x = x * 1103515245u + 12345u;
        b = static_cast<uint8_t>(
            "the quick brown fox jumps over a lazy dog 0123456789"[(x >> 16) % 52]);
    }
    return out;
}

// Every occurrence of `key` in `text` replaced by `value`.
inline std::string Replace(std::string text, const std::string& key, const std::string& value) {
    for (auto at = text.find(key); at != std::string::npos; at = text.find(key, at + value.size()))
        text.replace(at, key.size(), value);
    return text;
}

// In a child process: makes `folder` nobody's and drops root for nobody, as the
// program runs for a normal user (root opens any folder, which hides permission
// faults). True when the process runs as a normal user now; false when root stays.
inline bool DropRootFor(const std::string& folder) {
    if (::geteuid() != 0) return true;
    const passwd* nobody = ::getpwnam("nobody");
    return nobody && ::chown(folder.c_str(), nobody->pw_uid, nobody->pw_gid) == 0 &&
           ::setgroups(0, nullptr) == 0 &&
           ::setresgid(nobody->pw_gid, nobody->pw_gid, nobody->pw_gid) == 0 &&
           ::setresuid(nobody->pw_uid, nobody->pw_uid, nobody->pw_uid) == 0;
}

struct CommandResult {
    int status = -1;  // the exit status, -1 when the command did not end normally
    std::string out, err;
};

// Runs a shell command line in `folder` with `input` on standard input.
inline CommandResult RunCommand(const std::string& folder, const std::string& command,
                                const std::string& input = "") {
    TempDir io;
    WriteFile(io / "in", input);
    const std::string line = "cd '" + folder + "' && (" + command + ") <'" + io / "in" + "' >'" +
                             io / "out" + "' 2>'" + io / "err" + "'";
    const int raw = std::system(line.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadText(io / "out"), ReadText(io / "err")};
}

// Every path below `root`, relative to it.
inline std::set<std::string> Tree(const std::string& root) {
    std::set<std::string> paths;
    for (const auto& e : std::filesystem::recursive_directory_iterator(root))
        paths.insert(std::filesystem::relative(e.path(), root).string());
    return paths;
}

// `text` without the private folder of each run under the temporary folder, so a
// report can be compared with one naming "<temporary folder>/TempStuf.stuf".
inline std::string WithoutRunFolder(const std::string& text) {
    static const std::regex run("/\\.vaultwise-temp-[A-Za-z0-9]{6}");
    return std::regex_replace(text, run, "");
}

#ifdef VW_TEST_DATA
// A path under tests/data.
inline std::string DataPath(const std::string& name) {
    return std::string(VW_TEST_DATA) + "/" + name;
}

// The rows of a manifest under tests/data: tab-separated fields, "\n" in a field
// standing for a line break; blank lines and lines starting with # are skipped.
inline std::vector<std::vector<std::string>> ReadManifest(const std::string& name) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream text(ReadText(DataPath(name)));
    for (std::string line; std::getline(text, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields{""};
        for (char c : line) {
            if (c == '\t')
                fields.emplace_back();
            else
                fields.back().push_back(c);
        }
        for (auto& field : fields)
            field = Replace(field, "\\n", "\n");
        rows.push_back(fields);
    }
    return rows;
}
#endif
