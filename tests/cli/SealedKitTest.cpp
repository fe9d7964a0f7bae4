// The sealed test kit of tests/data/sealed-kit through vw3 verify and decrypt: each
// file's exit statuses, key words and what the runs leave anywhere under a fresh
// folder, as its row in cases.txt says.

#include <gtest/gtest.h>
#include <sodium.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "TempDir.h"

namespace fs = std::filesystem;

namespace {

// The first 8 hex digits of the file's SHA-256.
std::string Digest(const fs::path& path) {
    const Bytes bytes = ReadFile(path);
    unsigned char hash[crypto_hash_sha256_BYTES];
    crypto_hash_sha256(hash, bytes.data(), bytes.size());
    char hex[2 * sizeof hash + 1];
    sodium_bin2hex(hex, sizeof hex, hash, sizeof hash);
    return std::string(hex, 8);
}

// Everything under `top` but `here` and the folders above it, as cases.txt writes it.
std::string Written(const fs::path& top, const fs::path& here) {
    std::vector<std::string> tokens;
    for (const auto& e : fs::recursive_directory_iterator(top)) {
        const std::string name = e.path().lexically_relative(here).string();
        if (name == "." || name == "..") continue;
        struct stat st {};
        ::lstat(e.path().c_str(), &st);
        std::string token = name;
        if (S_ISLNK(st.st_mode)) token += "->" + fs::read_symlink(e.path()).string();
        if (S_ISDIR(st.st_mode)) token += "/";
        if (S_ISREG(st.st_mode)) token += "=" + Digest(e.path());
        if (!S_ISLNK(st.st_mode) && !S_ISDIR(st.st_mode) && !S_ISREG(st.st_mode)) token += "?";
        if (st.st_mode & 07000) token += "+s";
        tokens.push_back(token);
    }
    std::sort(tokens.begin(), tokens.end());
    std::string text;
    for (const auto& token : tokens)
        text += (text.empty() ? "" : " ") + token;
    return text.empty() ? "-" : text;
}

}  // namespace

TEST(SealedKit, EveryCaseEndsAsItsRowSays) {
    const auto rows = ReadManifest("sealed-kit/cases.txt");
    size_t files = 0;  // every file of the kit has its row
    for (const auto& e : fs::directory_iterator(DataPath("sealed-kit")))
        files += e.path().extension() == ".vws";
    EXPECT_EQ(rows.size(), files);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.at(0));
        TempDir dir, keys;
        const fs::path here = dir / "up/here";
        fs::create_directories(here);
        std::ofstream(keys / "pw") << row.at(1) << "\n";
        const auto run = [&](const std::string& command, const std::string& options) {
            return RunCommand(here, std::string("timeout 20 ") + VW3_BINARY + command + " '" +
                                        DataPath("sealed-kit/" + row[0] + ".vws") + "'" + options +
                                        " --password-file '" + keys / "pw" + "'");
        };
        const std::string said = row.at(4) == "-" ? "" : row[4];
        // verify, with the same texts as decrypt, writes nothing anywhere.
        const auto verified = run(" verify", " -q");
        EXPECT_EQ(verified.status, std::stoi(row.at(3))) << verified.err;
        EXPECT_NE(verified.err.find(said), std::string::npos) << verified.err;
        EXPECT_EQ(Written(dir.Path(), here), "-");
        const auto r = run(" decrypt", " -o out");
        EXPECT_EQ(r.status, std::stoi(row.at(2))) << r.err;
        EXPECT_NE(r.err.find(said), std::string::npos) << r.err;
        EXPECT_EQ(Written(dir.Path(), here), row.at(5));
    }
}
