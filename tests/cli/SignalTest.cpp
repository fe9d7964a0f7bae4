// An interrupted vw3 leaves neither its temporary package nor a half-written file.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>

#include "ReplacingWriter.h"
#include "TempDir.h"
#include "TemporaryPackage.h"
#include "Terminal.h"

namespace fs = std::filesystem;

TEST(Signals, InterruptedRunRemovesItsLeftovers) {
    TempDir dir;
    ::setenv("VAULTWISE_TEMP_DIR", dir.Path().c_str(), 1);
    const pid_t child = ::fork();
    if (child == 0) {
        // Mid-operation: a package being built and a destination being written.
        vw3::EndCleanlyOnSignals();
        modVW::TemporaryPackage package;
        vw::FileWriter(package.Path(), vw::FileWriter::Mode::CreateNew).WriteU16(1);
        vw::ReplacingWriter out(dir / "dest");
        out.Out().WriteU16(1);
        out.Out().Flush();
        std::raise(SIGTERM);
        std::_Exit(0);  // not reached: the signal ends the process
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    modVW::RemoveLeftoverPackage();  // as the next run does: the run's folder is stale now
    ::unsetenv("VAULTWISE_TEMP_DIR");
    ASSERT_TRUE(WIFSIGNALED(status)) << "the process must still end by the signal";
    EXPECT_EQ(WTERMSIG(status), SIGTERM);
    EXPECT_TRUE(fs::is_empty(dir.Path())) << "a leftover survived the signal";
}
