// The substitution cipher: tables, progress values, round trips and damaged tables.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <numeric>
#include <random>

#include "Cipher.h"
#include "Error.h"
#include "Progress.h"
#include "ScriptedInteraction.h"
#include "SubstitutionKernel.h"

using namespace modVW;

namespace {

EncryptedRecord Fresh(std::vector<uint8_t> data, const std::string& password) {
    EncryptedRecord r;
    r.Data = std::move(data);
    r.Password.push_back(0);
    for (char c : PasswordCodes(password))
        r.Password.push_back(static_cast<uint8_t>(c));
    return r;
}

std::vector<uint8_t> RandomBytes(size_t n, unsigned seed) {
    std::mt19937 gen(seed);
    std::vector<uint8_t> v(n);
    for (auto& b : v)
        b = static_cast<uint8_t>(gen());
    return v;
}

}  // namespace

TEST(Cipher, RoundTripsPayloadsAndPassword) {
    std::vector<uint8_t> all(256);
    std::iota(all.begin(), all.end(), 0);
    for (const auto& payload :
         {std::vector<uint8_t>{}, std::vector<uint8_t>{7}, all, RandomBytes(1 << 20, 1)}) {
        ScriptedInteraction ui;
        EncryptedRecord r = Fresh(payload, "Sécret Š pass");
        r = Encipher(r, ui);
        ASSERT_EQ(r.Password[0], 0);
        for (size_t i = 0; i < payload.size(); ++i)
            ASSERT_EQ(payload[i] == 0, r.Data[i] == 0) << "zero bytes must stay zero";
        EXPECT_TRUE(CheckPassword(r, "sÉCRET š PASS", ui)) << "letter case is ignored";
        EXPECT_FALSE(CheckPassword(r, "Sécret Š pass ", ui));
        EXPECT_FALSE(CheckPassword(r, "Secret S pass", ui));
        EncryptedRecord back = Decipher(r, "Sécret Š pass", ui);
        EXPECT_EQ(back.Data, payload);
        EXPECT_EQ(DecodePassword(back.Password, BuildInverseTable(back.Table)),
                  PasswordCodes("Sécret Š pass"));
        EXPECT_TRUE(ui.Messages().empty());
    }
    EXPECT_NE(BuildTable(), BuildTable()) << "every record needs a table of its own";
}

TEST(Cipher, WrongPasswordGivesEmptyRecordButDecipheredInput) {
    ScriptedInteraction ui;
    EncryptedRecord r = Fresh({1, 2, 3, 0}, "pw");
    r = Encipher(r, ui);
    EncryptedRecord out = Decipher(r, "nope", ui);
    EXPECT_EQ(out, EncryptedRecord{});
    EXPECT_EQ(r.Data, (std::vector<uint8_t>{1, 2, 3, 0}));
}

TEST(Cipher, ProgressTakesTheByteLoopValues) {
    ScriptedInteraction ui;
    std::vector<int32_t> seen;
    ui.OnEvents = [&] { seen.push_back(CurrentProgress); };
    CurrentProgress = 77;
    EncryptedRecord empty = Fresh({}, "x");
    Encipher(empty, ui);
    EXPECT_EQ(CurrentProgress, 77) << "an empty payload publishes nothing";
    EXPECT_TRUE(seen.empty());

    EncryptedRecord r = Fresh(std::vector<uint8_t>(8, 5), "x");
    Encipher(r, ui);
    EXPECT_EQ(seen, (std::vector<int32_t>{0, 12, 25, 38, 50, 62, 75, 88}));

    // Large payloads: one value per percent, in order, and no per-byte yielding.
    seen.clear();
    EncryptedRecord big = Fresh(std::vector<uint8_t>(3'000'007, 9), "x");
    Encipher(big, ui);
    ASSERT_LT(seen.size(), 200u);
    for (int p = 0; p < 100; ++p)
        EXPECT_NE(std::find(seen.begin(), seen.end(), p), seen.end()) << p;
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
}

TEST(Cipher, DamagedTablesReportAndFail) {
    ScriptedInteraction ui;
    EncryptedRecord r = Fresh({1, 2}, "ab");
    r = Encipher(r, ui);

    EncryptedRecord outOfRange = r;
    outOfRange.Table[3] = 300;
    EXPECT_FALSE(CheckPassword(outOfRange, "ab", ui));
    EXPECT_EQ(Decipher(outOfRange, "ab", ui), EncryptedRecord{});

    // Two positions with one value leave a byte that nothing maps back to.
    EncryptedRecord hole = r;
    const auto target = std::find(hole.Table.begin(), hole.Table.end(), hole.Password[1]);
    *target = hole.Table[target == hole.Table.begin() + 1 ? 2 : 1];
    EXPECT_FALSE(CheckPassword(hole, "ab", ui));

    ASSERT_EQ(ui.Messages().size(), 3u);
    for (const auto& m : ui.Messages())
        EXPECT_EQ(m.rfind("Error 9 - ", 0), 0u) << m;
}

TEST(Cipher, PasswordOutsideWindows1252CannotBeStoredAndNeverMatches) {
    ScriptedInteraction ui;
    EncryptedRecord r = Fresh({1}, "ab");
    r = Encipher(r, ui);
    EXPECT_FALSE(CheckPassword(r, "密码", ui));
    EXPECT_TRUE(ui.Messages().empty()) << "a wrong password, not a failure";
    try {
        PasswordCodes("pass密码");
        FAIL() << "a password Windows-1252 cannot hold was accepted for storing";
    } catch (const vw::Error& e) {
        EXPECT_NE(e.Description().find("Windows-1252"), std::string::npos);
    }
}

TEST(Cipher, EveryKernelSubstitutesEveryLengthAndTail) {
    std::array<uint8_t, 256> map;
    const auto table = BuildTable();
    for (int i = 0; i < 256; ++i)
        map[i] = static_cast<uint8_t>(table[i]);
    const auto input = RandomBytes(400, 3);
    for (Kernel kernel : RunnableKernels()) {
        // Chosen the way users and benchmarks choose it.
        ASSERT_EQ(setenv("VAULTWISE_KERNEL", KernelName(kernel), 1), 0);
        const Substitution substitution(map);
        ASSERT_EQ(substitution.Runs(), kernel);
        // Every length up to a few blocks of every kernel, at odd starting addresses.
        for (size_t start : {0u, 1u, 7u, 31u})
            for (size_t len = 0; len + start <= input.size(); ++len) {
                auto buf = input;
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
