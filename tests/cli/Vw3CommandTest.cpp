// The vw3 binary itself: exit statuses, --force, info, passwords from a file and
// from standard input, as one session of tests/data/cli/session.

#include <gtest/gtest.h>

#include <cstdlib>

#include "TempDir.h"

TEST(Vw3, SessionEndsEachStepAsWritten) {
    TempDir dir, temp;
    ::setenv("VAULTWISE_TEMP_DIR", temp.Path().c_str(), 1);
    for (const auto& row : ReadManifest("cli/session")) {
        const auto r = RunCommand(dir.Path(), Replace(row.at(0), "{vw3}", VW3_BINARY));
        EXPECT_EQ(r.status, std::stoi(row.at(1))) << row[0] << "\n" << r.err;
        if (row.size() > 2) {
            EXPECT_NE((r.out + r.err).find(row[2]), std::string::npos) << row[0] << "\n" << r.err;
        }
    }
    ::unsetenv("VAULTWISE_TEMP_DIR");
}
