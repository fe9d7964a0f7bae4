// An interrupted vw3 leaves neither its temporary package, nor a folder's staged
// entries, nor a half-written file.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iterator>

#include "Procedures.h"
#include "ReplacingWriter.h"
#include "ScriptedInteraction.h"
#include "StagingFolder.h"
#include "TempDir.h"
#include "TemporaryPackage.h"
#include "Terminal.h"

namespace fs = std::filesystem;

TEST(Signals, InterruptedRunRemovesItsLeftovers) {
    TempDir dir;
    ::setenv("VAULTWISE_TEMP_DIR", dir.Path().c_str(), 1);
    const pid_t child = ::fork();
    if (child == 0) {
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
    ASSERT_TRUE(WIFSIGNALED(status)) << "the process must still end by the signal";
    EXPECT_EQ(WTERMSIG(status), SIGTERM);
    EXPECT_TRUE(fs::is_empty(dir.Path())) << "a leftover survived the signal";
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

// SIGKILL runs no handler: the file being written must have no name to leave, and
// a named one that a dead run left (unlocked now) goes at the next write there.
TEST(Signals, NothingNamedSurvivesAKill) {
    TempDir dir;
    WriteFile(dir / ".vw0badf00d.part", std::string("old"));
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        vw::ReplacingWriter out(dir / "dest");
        out.Out().WriteU16(1);
        out.Out().Flush();
        (void)!::write(ready[1], "x", 1);
        ::pause();
        std::_Exit(0);
    }
    char x;
    ASSERT_EQ(::read(ready[0], &x, 1), 1);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 0) << "the kill left a file";
}

// Without O_TMPFILE a killed run leaves a named file beside its output; its folder
// was noted, so any later procedure removes it, whatever and wherever it writes.
TEST(Signals, NamedLeftoversGoAtAnyLaterProcedure) {
    TempDir base, elsewhere;
    ::setenv("VAULTWISE_TEMP_DIR", base.Path().c_str(), 1);
    WriteFile(elsewhere / ".vw0badf00d.part", std::string("plaintext"));
    WriteFile(base / ".vaultwise-named-temporaries", elsewhere.Path() + "\n");
    ScriptedInteraction cancel({""});
    modVW::Decrypt(cancel, "");
    ::unsetenv("VAULTWISE_TEMP_DIR");
    EXPECT_TRUE(fs::is_empty(elsewhere.Path()));
}
