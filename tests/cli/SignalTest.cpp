// An interrupted vw3 leaves neither its temporary package, nor a folder's staged
// entries, nor a half-written file.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iterator>
#include <set>

#include "DiskCalls.h"
#include "Procedures.h"
#include "ReplacingWriter.h"
#include "ScriptedInteraction.h"
#include "SealedFile.h"
#include "StagingFolder.h"
#include "TempDir.h"
#include "TemporaryPackage.h"
#include "Terminal.h"

namespace fs = std::filesystem;

// As a normal user: root would open the folder closed to everyone without opening it up.
TEST(Signals, InterruptedRunRemovesItsLeftovers) {
    TempDir dir;
    ::setenv("VAULTWISE_TEMP_DIR", dir.Path().c_str(), 1);
    const pid_t child = ::fork();
    if (child == 0) {
        if (!DropRootFor(dir.Path())) std::_Exit(77);
        // Mid-operation: a package being built, a folder's entries being extracted
        // and a destination being written.
        vw3::EndCleanlyOnSignals();
        modVW::TemporaryPackage package;
        vw::FileWriter(package.Path(), vw::FileWriter::Mode::CreateNew).WriteU16(1);
        vw::StagingFolder staging(dir.Path());
        vw::FileWriter(staging.PathOf("entry"), vw::FileWriter::Mode::CreateNew).WriteU16(1);
        // A staged tree too: deeper than one descent of the removal goes, and a
        // folder closed to everyone.
        std::string deep = staging.PathOf("deep");
        for (int level = 0; level < 300; ++level)
            deep += "/d";
        fs::create_directories(deep);
        WriteFile(deep + "/x", std::string("x"));
        fs::create_directories(staging.PathOf("shut/in"));
        fs::permissions(staging.PathOf("shut"), fs::perms::none);
        vw::ReplacingWriter out(dir / "dest");
        out.Out().WriteU16(1);
        out.Out().Flush();
        std::raise(SIGTERM);
        std::_Exit(0);  // not reached: the signal ends the process
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::unsetenv("VAULTWISE_TEMP_DIR");
    if (WIFEXITED(status) && WEXITSTATUS(status) == 77) GTEST_SKIP() << "root cannot become nobody";
    ASSERT_TRUE(WIFSIGNALED(status)) << "the process must still end by the signal";
    EXPECT_EQ(WTERMSIG(status), SIGTERM);
    for (const auto& name : Tree(dir.Path()))  // but the user's secret that marks its folders
        EXPECT_EQ(name.rfind(".vaultwise-secret-", 0), 0u) << "a leftover survived: " << name;
}

TEST(Signals, IgnoredSignalStaysIgnored) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGHUP, SIG_IGN);  // as nohup starts it
        vw3::EndCleanlyOnSignals();
        std::raise(SIGHUP);
        std::_Exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status)) << "SIGHUP ended the process";
}

namespace {

// Runs `run` in a child process, and kills it with SIGKILL once `run` is done.
void KilledAfter(const std::function<void()>& run) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        run();
        (void)!::write(ready[1], "x", 1);
        ::pause();
        std::_Exit(0);
    }
    char x;
    ASSERT_EQ(::read(ready[0], &x, 1), 1);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
}

}  // namespace

// SIGKILL runs no handler: the file being written must have no name to leave, and
// a named one that a dead run left (unlocked now) goes at the next write there.
TEST(Signals, NothingNamedSurvivesAKill) {
    TempDir dir;
    WriteFile(dir / ".vw0badf00d.part", std::string("old"));
    KilledAfter([&] {
        vw::ReplacingWriter out(dir / "dest");
        out.Out().WriteU16(1);
        out.Out().Flush();
    });
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 0) << "the kill left a file";
}

// Without O_TMPFILE a killed run leaves a named file beside its output; its folder
// was noted, so any later procedure removes it, whatever and wherever it writes; a
// live run's, locked, stays. A killed folder run's private folder goes as well.
TEST(Signals, LeftoversOfKilledRunsGoAtAnyLaterProcedure) {
    TempDir base, elsewhere;
    ::setenv("VAULTWISE_TEMP_DIR", base.Path().c_str(), 1);
    WriteFile(elsewhere / ".vw0badf00d.part", std::string("plaintext"));
    WriteFile(elsewhere / ".vw0000beef.part", std::string("live"));
    const int live = ::open((elsewhere / ".vw0000beef.part").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(live, LOCK_EX), 0);
    WriteFile(base / ".vaultwise-named-temporaries", elsewhere.Path() + "\n");
    KilledAfter([] { static const modVW::TemporaryPackage held; });
    ScriptedInteraction cancel({""});
    modVW::Decrypt(cancel, "");
    ::unsetenv("VAULTWISE_TEMP_DIR");
    ::close(live);
    EXPECT_EQ(Tree(elsewhere.Path()), std::set<std::string>{".vw0000beef.part"});
    EXPECT_EQ(Tree(base.Path()), std::set<std::string>{".vaultwise-named-temporaries"});
}

// SIGTERM while a folder's entries are put in place, at the first move and half
// way, into a new folder and over an older copy: the folder holds all its old
// files or all its new ones, nothing else, and no staging folder.
TEST(Signals, PlacementIsRolledBackWhole) {
    TempDir dir;
    ::setenv("VAULTWISE_TEMP_DIR", dir.Path().c_str(), 1);
    modVW::SealingCost = {1, 8192};
    const auto seal = [&](const std::string& ext, const std::string& text) {
        fs::remove_all(dir / "src");
        for (const std::string sub : {"src/a", "src/b"})
            for (int i = 0; i < 8; ++i) {
                fs::create_directories(dir / sub);
                WriteFile(dir / (sub + "/f" + std::to_string(i)), text);
                WriteFile(dir / ("src/g" + std::to_string(i)), text);
            }
        ScriptedInteraction ui(
            ext == ".vws" ? std::deque<std::string>{dir / ("s" + text + ext), "pw", "pw", "go on"}
                          : std::deque<std::string>{dir / ("s" + text + ext), "go on", "pw", "pw"});
        modVW::Encrypt(ui, 2, dir / "src");
    };
    for (const std::string ext : {".vws", ".vw3"}) {
        seal(ext, "old");
        seal(ext, "new");
        for (const bool over : {false, true})
            for (const int at : {1, 6}) {
                SCOPED_TRACE(ext + (over ? " over old" : " new") + " at " + std::to_string(at));
                fs::remove_all(dir / "out");
                ScriptedInteraction old({"pw", dir / "out"});
                if (over) modVW::Decrypt(old, dir / ("sold" + ext));
                const auto before = Tree(dir / (over ? "out" : "src"));
                const pid_t child = ::fork();
                if (child == 0) {
                    vw3::EndCleanlyOnSignals();
                    static int renames = 0, signalAt = at;
                    vw::disk::RenameAt = [](int from, const char* a, int to, const char* b,
                                            unsigned flags) {
                        if (++renames == signalAt) std::raise(SIGTERM);
                        return ::renameat2(from, a, to, b, flags);
                    };
                    ScriptedInteraction ui({"pw", dir / "out", "go on"});
                    modVW::Decrypt(ui, dir / ("snew" + ext));
                    std::_Exit(0);  // not reached: the signal ends the process
                }
                int status = 0;
                ::waitpid(child, &status, 0);
                EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
                if (!over) {
                    EXPECT_FALSE(fs::exists(dir / "out") && !fs::is_empty(dir / "out"));
                    continue;
                }
                EXPECT_EQ(Tree(dir / "out"), before);
                for (const auto& path : before) {
                    if (fs::is_regular_file(dir / ("out/" + path))) {
                        EXPECT_EQ(ReadText(dir / ("out/" + path)), "old") << path;
                    }
                }
            }
    }
    modVW::SealingCost = modVW::kNewFileCost;
    ::unsetenv("VAULTWISE_TEMP_DIR");
}
