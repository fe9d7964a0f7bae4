// Every substitution kernel this processor runs against the plain table. Built
// on its own (no file, no user) so that it also runs on other processors under
// emulation: see scripts/check-kernels-arm64.sh.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <numeric>
#include <random>
#include <vector>

#include "SubstitutionKernel.h"

using namespace modVW;

TEST(Kernels, EverySubstitutesEveryLengthAndTail) {
    std::mt19937 gen(3);
    std::array<uint8_t, 256> map;
    std::iota(map.begin(), map.end(), uint8_t{0});
    std::shuffle(map.begin(), map.end(), gen);
    std::vector<uint8_t> input(400);
    for (auto& b : input)
        b = static_cast<uint8_t>(gen());
    for (Kernel kernel : RunnableKernels()) {
        // Chosen the way users and benchmarks choose it.
        ASSERT_EQ(setenv("VAULTWISE_KERNEL", KernelName(kernel), 1), 0);
        const Substitution substitution(map);
        ASSERT_EQ(substitution.Runs(), kernel);
        // Every length up to a few blocks of every kernel, at odd starting addresses.
        for (size_t start : {0u, 1u, 7u, 31u})
            for (size_t len = 0; len + start <= input.size(); ++len) {
                std::vector<uint8_t> buf = input;
                substitution.Apply(buf.data() + start, len);
                for (size_t i = 0; i < buf.size(); ++i) {
                    const bool inside = i >= start && i < start + len;
                    ASSERT_EQ(buf[i], inside ? map[input[i]] : input[i])
                        << KernelName(kernel) << " start " << start << " len " << len;
                }
            }
    }
    // An unknown or unrunnable kernel falls back to one this processor runs.
    for (const char* asked : {"vbmi", "avx2", "neon", ""}) {
        ASSERT_EQ(setenv("VAULTWISE_KERNEL", asked, 1), 0);
        const auto runnable = RunnableKernels();
        EXPECT_NE(std::find(runnable.begin(), runnable.end(), Substitution(map).Runs()),
                  runnable.end())
            << asked;
    }
    unsetenv("VAULTWISE_KERNEL");
    EXPECT_EQ(Substitution(map).Runs(), RunnableKernels().back());
}
