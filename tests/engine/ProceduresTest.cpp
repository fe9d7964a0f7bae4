// Encrypt and Decrypt end to end, with every question answered from a script;
// sealed files at a low key cost; the payload pipeline under them.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <thread>

#include "Batch.h"
#include "Cipher.h"
#include "EncryptedSource.h"
#include "Error.h"
#include "FolderPackaging.h"
#include "Leftovers.h"
#include "Passphrase.h"
#include "PayloadPipeline.h"
#include "Procedures.h"
#include "Progress.h"
#include "RecordFile.h"
#include "ScriptedInteraction.h"
#include "SealedFile.h"
#include "TempDir.h"
#include "TemporaryPackage.h"
#include "cSTUF20.h"

using namespace modVW;
namespace fs = std::filesystem;

namespace {

const std::string kMismatch = "Error: The passwords you have typed do not match.";
const std::string kIncorrect = "Error: You have entered an incorrect password.";

class Procedures : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("VAULTWISE_TEMP_DIR", temp.Path().c_str(), 1);
        SealingCost = {1, 8192};
    }
    void TearDown() override {
        ::unsetenv("VAULTWISE_TEMP_DIR");
        SealingCost = kNewFileCost;
    }

    // Encrypts `source` (kind 1 or 2, "" to pick it) with the answers given.
    ScriptedInteraction Encrypting(int16_t kind, const std::string& source,
                                   std::deque<std::string> answers) {
        ScriptedInteraction ui(std::move(answers));
        Encrypt(ui, kind, source);
        return ui;
    }
    ScriptedInteraction Decrypting(const std::string& source, std::deque<std::string> answers,
                                   std::function<void()> onEvents = {}) {
        ScriptedInteraction ui(std::move(answers));
        ui.OnEvents = std::move(onEvents);
        Decrypt(ui, source);
        return ui;
    }
    // A sealed file's weak password is taken after its warning.
    void EncryptTo(int16_t kind, const std::string& source, const std::string& dest,
                   const std::string& password = "pw") {
        EXPECT_TRUE(
            Encrypting(kind, source, {dest, password, password, "go on"}).Messages().empty());
    }
    bool TempPackageGone() const { return !fs::exists(TemporaryPackagePath()); }

    TempDir temp;  // holds the temporary package
    TempDir dir;   // the user's files
};

}  // namespace

// The questions of each run against tests/data/procedures/questions.
TEST_F(Procedures, AskTheirQuestionsInOrder) {
    WriteFile(dir / "a.doc", "x");
    WriteFile(dir / "noext", "y");
    WriteFile(dir / "notes.txt", "not encrypted");
    fs::create_directory(dir / "folder");
    fs::create_directories(dir / "trip/day1");
    WriteFile(dir / "trip/readme.txt", "r");
    fs::create_directory(dir / "kept");
    WriteFile(dir / "kept/readme.txt", "mine");
    WriteFile(dir / "trip/day1/notes", "n");
    fs::create_directories(dir / "kept2/day1");  // an earlier copy of trip, and one file more
    WriteFile(dir / "kept2/readme.txt", "old");
    WriteFile(dir / "kept2/day1/notes", "old");
    WriteFile(dir / "kept2/mine", "m");
    std::map<std::string, ScriptedInteraction> runs;
    runs["encrypt-file"] = Encrypting(1, "", {dir / "a.doc", dir / "a.vw3", "p", "p"});
    runs["decrypt-file"] = Decrypting("", {dir / "a.vw3", "p", dir / "back.doc"});
    runs["encrypt-folder"] = Encrypting(2, "", {dir / "folder", dir / "f.vw3", "p", "p"});
    runs["decrypt-folder"] = Decrypting(dir / "f.vw3", {"p", dir / "out"});
    runs["mismatch"] =
        Encrypting(1, dir / "noext", {dir / "n.vw3", "Secret", "secret", "Secret", "Secret"});
    runs["wrong-password"] = Decrypting(dir / "n.vw3", {"wrong", "sECRET", dir / "n"});
    runs["cancel-confirmation"] = Encrypting(1, dir / "noext", {dir / "c.vw3", "Secret", ""});
    runs["left-out"] = Encrypting(2, dir / "trip", {dir / "t.vw3", "go on", "p", "p"});
    runs["replacing"] = Decrypting(dir / "t.vw3", {"p", dir / "kept", "go on"});
    runs["encrypt-tree"] = Encrypting(2, dir / "trip", {dir / "t.vws", "p", "p", "go on"});
    runs["replacing-tree"] = Decrypting(dir / "t.vws", {"p", dir / "kept2", "go on"});
    runs["not-vaultwise"] = Decrypting(dir / "notes.txt", {"p"});
    runs["weak-sealed"] = Encrypting(1, dir / "a.doc", {dir / "w.vws", "pw", "pw", ""});
    const std::string phrase = GeneratePassphrase();
    runs["strong-sealed"] = Encrypting(1, dir / "a.doc", {dir / "s.vws", phrase, phrase});
    // The promised number of words, each from the list, drawn anew each time.
    std::istringstream words(Replace(phrase, "-", " "));
    const auto& list = PassphraseWords();
    size_t count = 0;
    for (std::string word; words >> word; ++count)
        EXPECT_NE(std::find(list.begin(), list.end(), word), list.end()) << word;
    EXPECT_EQ(count, kPassphraseWords);
    EXPECT_EQ(list.size(), 7776u);
    EXPECT_NE(GeneratePassphrase(), phrase);
    std::map<std::string, size_t> asked;
    for (auto row : ReadManifest("procedures/questions")) {
        row.resize(7);
        for (auto& field : row)
            field = Replace(field, "{dir}", dir.Path());
        const auto& log = runs.at(row[0]).Log;
        const size_t i = asked[row[0]]++;
        ASSERT_LT(i, log.size()) << row[0] << " asked fewer questions";
        const auto& q = log[i];
        EXPECT_EQ(q.Kind, row[1]) << row[0] << " " << i;
        EXPECT_EQ(q.Text, row[2]) << row[0] << " " << i;
        EXPECT_EQ(q.Request.Filter, row[3]) << row[0] << " " << i;
        EXPECT_EQ(row[1] == "msgbox" ? q.Style : int(q.Request.Flags), std::stoi(row[4])) << i;
        EXPECT_EQ(q.Request.InitialName, row[5]) << row[0] << " " << i;
        EXPECT_EQ(q.Request.InitialFolder, row[6]) << row[0] << " " << i;
    }
    for (const auto& [name, ui] : runs)
        EXPECT_EQ(ui.Log.size(), asked[name]) << name << " asked more questions";
    EXPECT_EQ(ReadFile(dir / "back.doc"), B("x"));
    EXPECT_EQ(ReadFile(dir / "n"), B("y"));
    EXPECT_EQ(ReadFile(dir / "kept/readme.txt"), B("r"));
    EXPECT_EQ(ReadText(dir / "kept2/day1/notes") + ReadText(dir / "kept2/mine"), "nm");
    // The replace question unfolds what the folder holds: a classic one no modes or
    // times, a tree with them.
    EXPECT_EQ(runs["replacing"].Log.back().Details, R"(-????????? 1 ????-??-?? ??:?? readme.txt)");
    const std::string& tree = runs["replacing-tree"].Log.back().Details;
    EXPECT_TRUE(tree.find(" day1/notes") != std::string::npos && tree.find('?') == tree.npos)
        << tree;
}

// A longer destination is replaced by the new content only: nothing of the old
// file stays behind a shorter record or payload.
TEST_F(Procedures, FilesRoundTripWithTheirNames) {
    WriteFile(dir / "x.vw3", Bytes(2000, 0xEE));
    WriteFile(dir / "out", Bytes(50, 1));
    for (const std::string name : {"plain.txt", "with space é.doc", "empty"}) {
        const Bytes content = name == "empty" ? Bytes{} : B("content of " + name);
        WriteFile(dir / name, content);
        EncryptTo(1, dir / name, dir / "x.vw3");
        const std::string stored =
            name == "with space é.doc" ? std::string("with space \xE9.doc") : name;
        EXPECT_EQ(fs::file_size(dir / "x.vw3"), 537 + content.size() + 2 + stored.size());
        EXPECT_EQ(ReadRecord(dir / "x.vw3").SourceName, stored);
        const auto dec = Decrypting(dir / "x.vw3", {"PW", dir / "out"});
        EXPECT_EQ(dec.Log[1].Request.InitialName, name);
        EXPECT_EQ(ReadFile(dir / "out"), content) << name;
        EXPECT_TRUE(dec.Messages().empty());
    }
    // Onto itself, both ways.
    EncryptTo(1, dir / "plain.txt", dir / "plain.txt");
    Decrypting(dir / "plain.txt", {"pw", dir / "plain.txt"});
    EXPECT_EQ(ReadFile(dir / "plain.txt"), B("content of plain.txt"));
    // A missing source is reported and nothing is written.
    const auto missing = Encrypting(1, dir / "does-not-exist", {dir / "m.vw3", "pw", "pw"});
    ASSERT_EQ(missing.Messages().size(), 1u);
    EXPECT_EQ(missing.Messages()[0].rfind("Error 53 - ", 0), 0u);
    EXPECT_FALSE(fs::exists(dir / "m.vw3"));
}

TEST_F(Procedures, StreamedPayloadsPublishTheByteLoopPercentages) {
    WriteFile(dir / "eight", "12345678");
    for (bool decrypting : {false, true}) {
        ScriptedInteraction ui;
        std::vector<int32_t> seen;
        ui.OnEvents = [&] { seen.push_back(CurrentProgress); };
        ui.Answers = decrypting ? std::deque<std::string>{"pw", dir / "back"}
                                : std::deque<std::string>{dir / "eight.vw3", "pw", "pw"};
        decrypting ? Decrypt(ui, dir / "eight.vw3") : Encrypt(ui, 1, dir / "eight");
        EXPECT_EQ(seen, (std::vector<int32_t>{0, 12, 25, 38, 50, 62, 75, 88})) << decrypting;
    }
    EXPECT_EQ(ReadFile(dir / "back"), B("12345678"));
}

TEST_F(Procedures, EveryCancelEndsSilentlyAndLeavesNothing) {
    WriteFile(dir / "a", "abc");
    fs::create_directory(dir / "folder");
    WriteFile(dir / "folder/f", "f");
    EncryptTo(1, dir / "a", dir / "a.vw3");
    EncryptTo(2, dir / "folder", dir / "f.vw3");
    fs::create_directories(dir / "tree/sub");
    // Sealed content is opened a chunk at a time: a second chunk is where Cancel is heard.
    WriteFile(dir / "tree/big", std::string((1 << 20) + 1, 'b'));
    EncryptTo(1, dir / "tree/big", dir / "big.vws");
    EncryptTo(2, dir / "tree", dir / "t.vws");
    const auto before = std::distance(fs::directory_iterator(dir.Path()), {});
    // A bare stored name ("a") would be written in the current folder: make that the
    // test's folder, where "a" must stay the very same file.
    const auto cwd = fs::current_path();
    fs::current_path(dir.Path());
    struct stat a {
    }, now{};
    ::stat("a", &a);
    for (const auto& row : ReadManifest("procedures/cancels")) {
        std::deque<std::string> answers{""};
        for (char c : Replace(row.at(2), "{dir}", dir.Path())) {
            if (c == '|')
                answers.emplace_back();
            else
                answers.back().push_back(c);
        }
        ScriptedInteraction ui;
        ui.CancelWork = answers.back() == "{stop}";  // Cancel in the progress window
        if (ui.CancelWork) answers.pop_back();
        ui.Answers = answers;
        const std::string source = Replace(row.at(1), "{dir}", dir.Path());
        row[0] == "0" ? Decrypt(ui, source) : Encrypt(ui, int16_t(std::stoi(row[0])), source);
        EXPECT_EQ(ui.Answers.size(), 0u) << row[3];
        for (const auto& m : ui.Messages())
            EXPECT_EQ(m, kMismatch) << row[3];
        EXPECT_TRUE(ui.Written.empty()) << row[3] << ": nothing to announce";
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), before) << row.at(3);
        EXPECT_TRUE(::stat("a", &now) == 0 && now.st_ino == a.st_ino) << row[3];
        EXPECT_TRUE(TempPackageGone()) << row[3];
    }
    fs::current_path(cwd);
}

TEST_F(Procedures, FileReplacedBetweenAttemptsIsReadAgain) {
    WriteFile(dir / "one", "one");
    WriteFile(dir / "two", "two");
    EncryptTo(1, dir / "one", dir / "x.vw3", "first");
    EncryptTo(1, dir / "two", dir / "two.vw3", "second");
    // Before the second prompt, x.vw3 is replaced by a file that "second" opens.
    ScriptedInteraction ui({"second", "second", dir / "out"});
    int prompts = 0;
    ui.BeforeAnswer = [&](const std::string& kind) {
        // No core file may hold a password: not dumpable while one is asked for.
        EXPECT_EQ(::prctl(PR_GET_DUMPABLE), 0);
        if (kind == "password" && ++prompts == 2)
            fs::copy_file(dir / "two.vw3", dir / "x.vw3", fs::copy_options::overwrite_existing);
    };
    Decrypt(ui, dir / "x.vw3");
    EXPECT_EQ(::prctl(PR_GET_DUMPABLE), 1) << "dumpable again once done";
    EXPECT_EQ(ui.Messages(), (std::vector<std::string>{kIncorrect}));
    EXPECT_EQ(ReadFile(dir / "out"), B("two"));
}

// A classic file holds the folder's own files; a sealed one its whole tree.
TEST_F(Procedures, FolderRoundTripOwnFilesClassicWholeTreeSealed) {
    const std::string src = dir / "my folder";
    fs::create_directories(src + "/sub");
    WriteFile(src + "/a b.txt", "hello");
    WriteFile(src + "/café.txt", "accent");
    WriteFile(src + "/zero", "");
    WriteFile(src + "/sub/deep", "not included");
    WriteFile(src + "/big", SampleBytes(4 * kChunkText + 7));  // a sealed tree of 5 chunks
    for (const std::string ext : {".vw3", ".vws"}) {
        // A classic file leaves the sub-folder out, and asks first.
        const bool classic = ext == ".vw3";
        ScriptedInteraction enc(
            classic ? std::deque<std::string>{dir / ("f" + ext), "go on", "pw", "pw"}
                    : std::deque<std::string>{dir / ("f" + ext), "pw", "pw", "go on"});
        Encrypt(enc, 2, src);
        if (ext == ".vw3") {
            // The folder's contents stay their owner's only, as in a package file.
            EXPECT_EQ(fs::status(dir / "f.vw3").permissions() & fs::perms::all,
                      fs::perms::owner_read | fs::perms::owner_write);
            EXPECT_EQ(ReadRecord(dir / "f.vw3").SourceName, "TempStuf.stuf");
            EXPECT_EQ(ReadRecord(dir / "f.vw3").SourceKind, 2);
        }
        const std::string out = dir / ("restored" + ext);
        // A slow turn after each chunk lets a tree's reading go as far ahead as it may.
        EXPECT_TRUE(Decrypting(dir / ("f" + ext), {"pw", out},
                               [] { std::this_thread::sleep_for(std::chrono::milliseconds(2)); })
                        .Messages()
                        .empty());
        EXPECT_EQ(ReadFile(out + "/a b.txt"), B("hello"));
        EXPECT_EQ(ReadFile(out + "/café.txt"), B("accent"));
        EXPECT_EQ(ReadFile(out + "/big"), SampleBytes(4 * kChunkText + 7));
        EXPECT_TRUE(fs::exists(out + "/zero"));
        EXPECT_EQ(fs::exists(out + "/sub/deep"), ext == ".vws");
        EXPECT_TRUE(TempPackageGone());
    }
}

// Also while another folder operation runs.
TEST_F(Procedures, EmptyFolderAndOtherKindsUnpackAsFolders) {
    const TemporaryPackage busy;  // as another running operation would hold it
    fs::create_directory(dir / "empty");
    EncryptTo(2, dir / "empty", dir / "e.vw3");
    for (int16_t kind : {2, 0, 3}) {
        auto record = ReadRecord(dir / "e.vw3");
        record.SourceKind = kind;
        WriteRecord(dir / "k.vw3", record);
        fs::remove_all(dir / "out");
        EXPECT_TRUE(Decrypting(dir / "k.vw3", {"pw", dir / "out"}).Messages().empty()) << kind;
        EXPECT_TRUE(fs::is_directory(dir / "out")) << kind;
        EXPECT_TRUE(fs::is_empty(dir / "out")) << kind;
    }
}

TEST_F(Procedures, SealedFilesRoundTripWhateverTheirChunks) {
    // Empty, one byte, exactly one chunk, one byte into a second chunk, exactly two,
    // four (the chunks after the first, over both threads' turns): the chunks' text
    // starts with kind, name length and "f.bin", 9 bytes.
    for (const size_t size : {size_t{0}, size_t{1}, kChunkText - 9, kChunkText - 8,
                              2 * kChunkText - 9, 3 * kChunkText + 1}) {
        SCOPED_TRACE(size);
        WriteFile(dir / "f.bin", SampleBytes(size));
        const auto enc = Encrypting(1, dir / "f.bin", {dir / "f.vws", "Pw", "Pw", "go on"});
        ASSERT_TRUE(enc.Messages().empty()) << enc.Messages()[0];
        EXPECT_NE(enc.Log[1].Text.find("letter case matters"), std::string::npos);
        EXPECT_EQ(ReadText(dir / "f.vws").find("f.bin"), std::string::npos);
        // Letter case counts: "pw" is wrong.
        // A slow turn after each chunk lets the other thread go as far ahead as it may.
        const auto dec = Decrypting(dir / "f.vws", {"pw", "Pw", dir / "out.bin"}, [] {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        });
        EXPECT_EQ(dec.Messages(), std::vector<std::string>{kIncorrect});
        EXPECT_EQ(dec.Kinds(),
                  (std::vector<std::string>{"password", "msgbox", "password", "save"}));
        EXPECT_EQ(dec.Log.back().Request.InitialName, "f.bin");
        EXPECT_EQ(ReadFile(dir / "out.bin"), SampleBytes(size));
    }
}

// A folder too large for a classic encrypted file is refused before it is packed, from
// its limit's first byte on, and an entry named like the temporary package survives in
// the temporary folder.
TEST_F(Procedures, TooLargeFolderRefusedBeforePackingAndTempStufEntrySurvives) {
    for (const char* name : {"big/a", "f/TempStuf.stuf"}) {
        fs::create_directories(fs::path(dir / name).parent_path());
        WriteFile(dir / name, std::string("u"));
    }
    // The package of big/a: 58 bytes of fields, the 28-byte description, 30 bytes and
    // the 1-byte name of its entry, then the file (sparse: it takes no disk).
    for (const uint64_t size : {kMaxPayload - 117, kMaxPayload - 116}) {
        ASSERT_EQ(::truncate((dir / "big/a").c_str(), static_cast<off_t>(size)), 0);
        // Refused once the answer asks for a classic file, which cannot hold it; at the
        // limit the password is asked for.
        const auto big = Encrypting(2, dir / "big", {dir / "big.vw3"});
        const bool fits = size == kMaxPayload - 117;
        EXPECT_EQ(big.Kinds(), (std::vector<std::string>{"save", fits ? "password" : "msgbox"}));
        EXPECT_EQ(
            big.Log[1].Text.rfind("Error 5 - Invalid procedure call or argument: the files", 0),
            fits ? std::string::npos : 0u);
        EXPECT_FALSE(fs::exists(dir / "big.vw3"));
    }
    EncryptTo(2, dir / "f", dir / "f.vw3");
    // Into the folder that holds the temporary packages.
    EXPECT_TRUE(Decrypting(dir / "f.vw3", {"pw", temp.Path()}).Messages().empty());
    EXPECT_EQ(ReadFile(temp / "TempStuf.stuf"), B("u"));
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.Path()), {}), 1) << "TempStuf.stuf";
}

// A listed file swapped for a link to one of its size, or grown, before it is packed
// stops the encryption: nothing else is read in its place, nothing is written.
TEST_F(Procedures, ListedFileChangedBeforePackingStopsTheEncryption) {
    WriteFile(dir / "secret", "SECRET");
    for (const std::string change : {"link", "grown"}) {
        fs::create_directory(dir / "in");
        WriteFile(dir / "in/a", "listed");
        ScriptedInteraction ui({dir / "f.vw3", "pw", "pw"});
        ui.BeforeAnswer = [&](const std::string& kind) {
            if (kind != "password" || ui.Log.size() != 1) return;  // listed, not yet packed
            fs::remove(dir / "in/a");
            change == "link" ? fs::create_symlink(dir / "secret", dir / "in/a")
                             : WriteFile(dir / "in/a", "listed+");
        };
        Encrypt(ui, 2, dir / "in");
        ASSERT_EQ(ui.Messages().size(), 1u) << change;
        EXPECT_NE(ui.Messages()[0].find(change == "link" ? "symbolic links" : "now 7"),
                  std::string::npos)
            << ui.Messages()[0];
        EXPECT_FALSE(fs::exists(dir / "f.vw3"));
        fs::remove_all(dir / "in");
    }
}

// Free space is asked again once what was seen is used up: the first entry fits, the
// second not, and nothing is placed.
TEST_F(Procedures, FreeSpaceIsAskedAgainWhenTheSeenSpaceIsUsedUp) {
    fs::create_directory(dir / "in");
    WriteFile(dir / "in/a", SampleBytes(600, 1));
    WriteFile(dir / "in/b", SampleBytes(600, 2));
    EncryptTo(2, dir / "in", dir / "f.vw3");
    int asked = 0;
    PackageObject().FreeSpace = [&asked](const std::string&) {
        return ++asked == 1 ? uint64_t{1000} : uint64_t{300};
    };
    const auto dec = Decrypting(dir / "f.vw3", {"pw", dir / "out"});
    PackageObject().FreeSpace = nullptr;
    ASSERT_EQ(dec.Messages().size(), 1u);
    EXPECT_NE(dec.Messages()[0].find("Disk full"), std::string::npos) << dec.Messages()[0];
    EXPECT_FALSE(fs::exists(dir / "out"));
}

namespace {

// Files "f0", "f1", ... of the sizes `shape` lists ("none", or "3,2x10": 3, 10, 10).
void MakeFolder(const std::string& folder, const std::string& shape) {
    fs::create_directory(folder);
    std::vector<size_t> sizes;
    std::istringstream parts(shape == "none" ? "" : shape);
    for (std::string part; std::getline(parts, part, ',');) {
        const auto x = part.find('x');
        const size_t n = x == std::string::npos ? 1 : std::stoul(part.substr(0, x));
        sizes.insert(sizes.end(), n, std::stoul(part.substr(x == std::string::npos ? 0 : x + 1)));
    }
    for (size_t i = 0; i < sizes.size(); ++i)
        WriteFile(folder + "/f" + std::to_string(i), SampleBytes(sizes[i], i));
}

// A folder encrypted by the procedure holds, deciphered, the very bytes the
// package object writes for it, under the classic name; and it comes back whole.
void CheckStreamedFolder(const std::string& name, const std::string& shape, uint64_t packageSize) {
    TempDir dir;
    ::setenv("VAULTWISE_TEMP_DIR", dir.Path().c_str(), 1);
    MakeFolder(dir / "in", shape);
    ScriptedInteraction ui({dir / "f.vw3", "pw", "pw", "pw", dir / "out"});
    Encrypt(ui, SourceKinds::Folder, dir / "in");
    std::vector<std::string> skipped;
    ASSERT_TRUE(PackFolder(ui, dir / "in", dir / "object.stuf", skipped)) << name;
    EncryptedRecord record = ReadRecord(dir / "f.vw3");
    const EncryptedRecord plain = Decipher(record, "pw", ui);
    EXPECT_EQ(plain.Data.size(), packageSize) << name;
    EXPECT_EQ(plain.Data, ReadFile(dir / "object.stuf")) << name;
    EXPECT_EQ(plain.SourceName, "TempStuf.stuf") << name;
    Decrypt(ui, dir / "f.vw3");
    EXPECT_TRUE(ui.Messages().empty()) << name;
    EXPECT_EQ(Tree(dir / "out"), Tree(dir / "in")) << name;
    for (const auto& file : fs::directory_iterator(dir / "in"))
        EXPECT_EQ(ReadFile(dir / "out" / file.path().filename()), ReadFile(file.path())) << name;
    ::unsetenv("VAULTWISE_TEMP_DIR");
}

}  // namespace

// Chunks are reported in order on the calling thread once written, and the first
// failure of either thread is the error the caller sees; a folder streamed
// through the same pipeline makes the package the package object makes.
TEST(PayloadPipeline, ChunksInOrderAndTheFirstFailureOfAnyStage) {
    constexpr uint64_t kMiB = 1 << 20;
    for (const auto& row : ReadManifest("procedures/pipeline")) {
        const std::string& name = row.at(0);
        if (row.at(7) != "-") {
            CheckStreamedFolder(name, row.at(7), std::stoull(row.at(6)));
            continue;
        }
        const uint64_t start = std::stoull(row.at(1)), shrinkTo = std::stoull(row.at(2));
        const bool fullDisk = row.at(3) == "1";
        // "N": chunk N throws Error 5; "N+M": then chunk M throws Error 61, once N has.
        const int failingChunk = std::stoi(row.at(4)), expected = std::stoi(row.at(5));
        const auto plus = row[4].find('+');
        const int laterChunk = plus == std::string::npos ? -2 : std::stoi(row[4].substr(plus + 1));
        std::atomic<bool> failed{false};
        const uint64_t most = std::stoull(row.at(6));
        TempDir dir;
        std::vector<uint8_t> source(3 * kMiB + 5);
        for (size_t i = 0; i < source.size(); ++i)
            source[i] = static_cast<uint8_t>(i * 7 + i / kMiB);
        WriteFile(dir / "in", source);
        vw::FileReader in(dir / "in");
        in.Seek(start, "the payload");
        if (shrinkTo) std::filesystem::resize_file(dir / "in", shrinkTo);
        const std::string outPath = fullDisk ? "/dev/full" : dir / "out";
        int error = 0;
        std::vector<uint64_t> offsets;
        const auto caller = std::this_thread::get_id();
        try {
            vw::FileWriter out(outPath, vw::FileWriter::Mode::KeepExisting);
            RunPayloadPipeline(
                in, out, source.size() - start,
                [&](uint8_t* buf, size_t len, uint64_t off) {
                    // Chunks end on whole megabytes of the source.
                    const int chunk = static_cast<int>((start + off) / kMiB);
                    while (chunk == laterChunk && !failed)
                        std::this_thread::yield();
                    if (chunk == laterChunk) {
                        std::this_thread::sleep_for(std::chrono::milliseconds(50));
                        throw vw::Error(vw::ErrorNumber::DiskFull, "later");
                    }
                    if (chunk != failingChunk) {
                        for (size_t i = 0; i < len; ++i)
                            buf[i] = static_cast<uint8_t>(~buf[i]);
                        return;
                    }
                    failed = true;
                    throw vw::Error(vw::ErrorNumber::InvalidCall, "stop");
                },
                [&](uint64_t off, size_t) {
                    EXPECT_EQ(std::this_thread::get_id(), caller);
                    offsets.push_back(off);
                });
            out.Close();
        } catch (const vw::Error& e) {
            error = e.Number();
        }
        EXPECT_EQ(error, expected) << name;
        if (fullDisk) continue;
        const auto written = ReadFile(dir / "out");
        ASSERT_LE(written.size(), most) << name;
        for (size_t i = 0; i < written.size(); ++i)
            ASSERT_EQ(written[i], static_cast<uint8_t>(~source[start + i]))
                << name << " byte " << i;
        if (!expected) {
            EXPECT_EQ(written.size(), most);
            const uint64_t s = start;
            EXPECT_EQ(offsets, (std::vector<uint64_t>{0, kMiB - s, 2 * kMiB - s, 3 * kMiB - s}));
        }
    }
}

// A tree 10,000 folders deep is sealed, opened, and opened again over itself in
// linear time (quadratic steps would outlast the test's time limit).
TEST_F(Procedures, DeepTreeOpensAndMergesIntoItself) {
    constexpr int kDepth = 10000;
    const auto descend = [](int fd, bool make) {
        for (int level = 0; level < kDepth; ++level) {
            if (make) ::mkdirat(fd, "d", 0700);
            const int down = ::openat(fd, "d", O_RDONLY | O_DIRECTORY);
            ::close(fd);
            fd = down;
        }
        return fd;
    };
    fs::create_directory(dir / "deep");
    const int bottom = descend(::open((dir / "deep").c_str(), O_RDONLY | O_DIRECTORY), true);
    WriteFile("/proc/self/fd/" + std::to_string(bottom) + "/leaf", "bottom");
    ::close(bottom);
    EncryptTo(2, dir / "deep", dir / "deep.vws");
    EXPECT_TRUE(Decrypting(dir / "deep.vws", {"pw", dir / "out"}).Messages().empty());
    EXPECT_TRUE(Decrypting(dir / "deep.vws", {"pw", dir / "out", "go on"}).Messages().empty());
    const int found = descend(::open((dir / "out").c_str(), O_RDONLY | O_DIRECTORY), false);
    EXPECT_EQ(ReadText("/proc/self/fd/" + std::to_string(found) + "/leaf"), "bottom");
    ::close(found);
    for (const std::string tree : {"deep", "out"}) {  // too deep for a removal by paths
        const int fd = ::open((dir / tree).c_str(), O_RDONLY | O_DIRECTORY);
        vw::Leftovers::EmptyFolder(fd);
        ::close(fd);
    }
}

// A destination renamed while its entries are extracted: they are put in the
// folder under its new name, and no staging folder stays there, whole or damaged.
TEST_F(Procedures, RenamedDestinationKeepsNoStagingFolder) {
    fs::create_directories(dir / "src/sub");
    WriteFile(dir / "src/a", "a");
    WriteFile(dir / "src/sub/b", SampleBytes(kChunkText + 9));
    EncryptTo(2, dir / "src", dir / "t.vws");
    EXPECT_TRUE(
        Encrypting(2, dir / "src", {dir / "t.vw3", "go on", "pw", "pw"}).Messages().empty());
    for (const std::string file : {"t.vws", "t.vw3"})
        for (const bool damaged : {false, true}) {
            SCOPED_TRACE(file + (damaged ? " damaged" : ""));
            auto bytes = ReadFile(dir / file);
            if (damaged) bytes.resize(bytes.size() - 3);
            WriteFile(dir / "d", bytes);
            ScriptedInteraction ui({"pw", dir / "out"});
            ui.OnEvents = [&] {
                if (fs::exists(dir / "out")) fs::rename(dir / "out", dir / "moved");
            };
            Decrypt(ui, dir / "d");
            EXPECT_EQ(ui.Messages().size(), damaged ? 1u : 0u);
            const auto left =
                fs::exists(dir / "moved") ? Tree(dir / "moved") : std::set<std::string>{};
            const std::set<std::string> whole =
                file == "t.vws" ? Tree(dir / "src") : std::set<std::string>{"a"};
            EXPECT_EQ(left, damaged ? std::set<std::string>{} : whole);
            fs::remove_all(dir / "moved");
        }
}

namespace {

std::deque<std::string> Answers(const std::string& text) {
    std::deque<std::string> answers{""};
    for (char c : text)
        c == '|' ? void(answers.emplace_back()) : answers.back().push_back(c);
    return answers;
}

// "a=a all/b=b x.vw3": every file under `dir`, sorted, with its content where
// `want` (a listing of the same shape) gives one.
std::string Listing(const std::string& dir, const std::string& want) {
    std::vector<std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(dir)) {
        if (!e.is_regular_file()) continue;
        std::string name = fs::relative(e.path(), dir).string();
        const bool content = (" " + want).find(" " + name + "=") != std::string::npos;
        files.push_back(content ? name + "=" + ReadText(e.path()) : name);
    }
    std::sort(files.begin(), files.end());
    std::string text;
    for (const auto& f : files)
        text += (text.empty() ? "" : " ") + f;
    return text;
}

std::string Joined(const std::vector<std::string>& words) {
    std::string text;
    for (const auto& w : words)
        text += (text.empty() ? "" : " ") + w;
    return text;
}

}  // namespace

// The rows of tests/data/procedures/batches: one format and one password question
// for a batch, outputs beside their sources, Cancel ending the batch with the items
// done kept and nothing of the one at work. Sealed files written together share
// their salt (one key derivation), each with its own nonce prefix.
TEST_F(Procedures, BatchesAskOnceAndKeepWhatIsDone) {
    for (const auto& row : ReadManifest("procedures/batches")) {
        SCOPED_TRACE(row.at(0));
        TempDir here;
        const auto makeOld = [&] {
            std::istringstream names(row.at(1) == "-" ? "" : row[1]);
            for (std::string name; names >> name;)
                WriteFile(here / name, "old");
        };
        for (const char* name : {"a", "b", "c"})
            WriteFile(here / name, name);
        if (row.at(4) == "-") makeOld();
        ScriptedInteraction enc(Answers(Replace(row.at(2), "{dir}", here.Path())));
        enc.CancelInItem = std::stoul(row.at(3));
        EncryptBatch(enc, {here / "a", here / "b", here / "c"});
        std::string asked = Joined(enc.Kinds());
        if (row[4] != "-") {
            for (const char* name : {"a", "b", "c"})
                fs::remove(here / name);
            makeOld();
            ScriptedInteraction dec(Answers(row[4]));
            DecryptBatch(dec, enc.Written);
            asked += " | " + Joined(dec.Kinds());
        }
        EXPECT_EQ(asked, row.at(6));
        std::istringstream tokens(row.at(5));
        std::vector<std::string> want{std::istream_iterator<std::string>(tokens), {}};
        std::sort(want.begin(), want.end());
        EXPECT_EQ(Listing(here.Path(), row[5]), Joined(want));
        for (size_t i = 1; i < enc.Written.size() && IsSealedName(enc.Written[i]); ++i) {
            const auto first = ReadFile(enc.Written[0]), other = ReadFile(enc.Written[i]);
            EXPECT_TRUE(std::equal(&first[22], &first[38], &other[22])) << "one salt";
            EXPECT_FALSE(std::equal(&first[38], &first[57], &other[38])) << "own nonce prefix";
        }
    }
}

// Keys are locked in memory while they live and wiped when they go; a typed
// password's bytes are wiped before its string lets go of them.
TEST(Secrets, KeysAreLockedAndWipedAndPasswordsWiped) {
    const auto lockedKiB = [] {
        std::ifstream status("/proc/self/status");
        for (std::string line; std::getline(status, line);)
            if (line.rfind("VmLck:", 0) == 0) return std::stol(line.substr(6));
        return -1L;
    };
    // Where no memory can be locked (ulimit -l 0 without CAP_IPC_LOCK, or under
    // AddressSanitizer, whose mlock does nothing) only the wiping is checked.
    const long before = lockedKiB();
    alignas(4096) static unsigned char probe[4096];
    const bool canLock = mlock(probe, sizeof probe) == 0 && lockedKiB() > before;
    munlock(probe, sizeof probe);
    alignas(SealedKeys) unsigned char room[sizeof(SealedKeys)];
    auto* keys = new (room) SealedKeys;
    std::fill(std::begin(keys->Stream), std::end(keys->Stream), 0xAA);
    if (canLock) {
        EXPECT_GT(lockedKiB(), before);
    }
    keys->~SealedKeys();
    EXPECT_TRUE(
        std::all_of(std::begin(room), std::end(room), [](unsigned char b) { return b == 0; }));
    std::string typed = "correct horse battery staple";
    WipeText(typed);
    EXPECT_EQ(typed, std::string(28, '\0'));
    if (!canLock) GTEST_SKIP() << "no memory can be locked here: locking unchecked";
}
