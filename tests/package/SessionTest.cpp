// The package session and its operations: the scripted sessions of
// tests/data/packages/sessions (golden files, results, the fixed refusals,
// renumbering, failed writes, the Modified rule, behaviour without a session,
// extraction over what is already there).

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <memory>
#include <set>
#include <sstream>

#include "TempDir.h"
#include "cSTUF20.h"

namespace fs = std::filesystem;

// One step of tests/data/packages/sessions on `p` in `dir`: its result as text.
std::string Step(cSTUF20& p, const TempDir& dir, const std::string& step) {
    std::vector<std::string> w;
    std::istringstream words(step);
    for (std::string word; words >> word;)
        w.push_back(word);
    const auto arg = [&](size_t i) { return i < w.size() ? w[i] : ""; };
    const auto path = [&](size_t i, const char* fallback = "p.stuf") {
        return arg(i) == "-" ? "" : dir / (arg(i).empty() ? fallback : arg(i));
    };
    const auto n = [&] { return std::stoi(arg(1)); };
    const auto repeated = [&](size_t i) {  // TEXT [TIMES] from word i
        std::string text;
        for (int k = 0; k < (w.size() > i + 1 ? std::stoi(w[i + 1]) : 1); ++k)
            text += arg(i);
        return text;
    };
    const std::string& verb = w[0];
    if (verb == "file" || verb == "folder") {
        fs::create_directories(verb == "file" ? fs::path(path(1)).parent_path()
                                              : fs::path(path(1)));
        if (verb == "file") WriteFile(path(1), repeated(2));
        return "";
    }
    if (verb == "copy") {
        WriteFile(dir / "p.stuf", ReadText(DataPath("packages/" + arg(1))) + arg(2));
        return "";
    }
    if (verb == "golden")
        return ReadFile(path(2)) == ReadFile(DataPath("packages/" + arg(1))) ? "same" : "differs";
    if (verb == "read") return ReadText(path(1));
    if (verb == "equal") return ReadFile(path(1)) == ReadFile(path(2)) ? "yes" : "no";
    if (verb == "holds") return p.GetFileData(n()) == ReadFile(path(2)) ? "yes" : "no";
    if (verb == "exists") return fs::exists(path(1)) ? "yes" : "no";
    if (verb == "islink") return fs::is_symlink(path(1)) ? "yes" : "no";
    if (verb == "remove") fs::remove_all(path(1));
    if (verb == "link") {
        fs::remove(path(2));
        fs::create_symlink(path(1), path(2));
    }
    if (verb == "fifo") {  // read by nobody, open for writing without waiting
        ::mkfifo(path(1).c_str(), 0600);
        static std::vector<int> readers;  // open while the tests run
        readers.push_back(::open(path(1).c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC));
    }
    if (verb == "remove" || verb == "link" || verb == "fifo") return "";
    if (verb == "list") {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(path(1)))
            names.insert(e.path().filename().string());
        std::string list;
        for (const auto& name : names)
            list += (list.empty() ? "" : " ") + name;
        return list;
    }
    if (verb == "mark") {
        fs::remove(dir / "marked");
        fs::create_hard_link(path(1), dir / "marked");
        return "";
    }
    if (verb == "replaced") return fs::equivalent(path(1), dir / "marked") ? "no" : "yes";
    if (verb == "start") return std::to_string(p.StartSession(path(1)));
    if (verb == "end") return std::to_string(p.EndSession());
    if (verb == "add") return std::to_string(p.AddFile(path(1), int16_t(std::stoi("0" + arg(2)))));
    if (verb == "extract") return std::to_string(p.ExtractPackage(path(1)));
    if (verb == "extractfile") return std::to_string(p.ExtractFile(n(), path(2)));
    if (verb == "delete") return std::to_string(p.DeleteFile(n()));
    if (verb == "doubles") return std::to_string(p.DeleteDoubles());
    if (verb == "describe") return std::to_string(p.SetDescription(repeated(1)));
    if (verb == "description") return p.GetDescription();
    if (verb == "number") return std::to_string(p.GetFileNumber(arg(1)));
    if (verb == "name") return p.GetFileName(n());
    if (verb == "size") return std::to_string(p.GetFileSize(n()));
    if (verb == "csize") return std::to_string(p.GetCompressedSize(n()));
    if (verb == "compressed") return std::to_string(p.IsCompressed(n()));
    if (verb == "data") {
        const Bytes data = p.GetFileData(n());
        return {data.begin(), data.end()};
    }
    if (verb == "count") return std::to_string(p.FileCount());
    if (verb == "error") return p.LastError;
    if (verb == "session") return std::to_string(p.Session);
    if (verb == "format") return p.Format;
    ADD_FAILURE() << "unknown step " << verb;
    return "";
}

TEST(PackageSessions, EndAsWritten) {
    std::unique_ptr<TempDir> dir;
    std::unique_ptr<cSTUF20> p;
    std::string scenario;
    for (const auto& row : ReadManifest("packages/sessions")) {
        if (row.at(0) != scenario) {
            scenario = row[0];
            dir = std::make_unique<TempDir>();
            p = std::make_unique<cSTUF20>();
        }
        if (row.size() > 3) p->LastError.clear();
        const std::string result = Step(*p, *dir, row.at(1));
        if (row.size() > 2) {
            EXPECT_EQ(result, row[2]) << scenario << ": " << row[1];
        }
        if (row.size() > 3 && row[3].rfind('~', 0) == 0) {
            EXPECT_NE(p->LastError.find(row[3].substr(1)), std::string::npos)
                << scenario << ": " << row[1] << ": " << p->LastError;
        } else if (row.size() > 3) {
            EXPECT_EQ(p->LastError, row[3]) << scenario << ": " << row[1];
        }
    }
}
