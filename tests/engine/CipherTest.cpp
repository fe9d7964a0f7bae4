// The substitution cipher and the record file: round trips, the byte loop's
// progress values, damaged tables, both kernels, the worked example byte for byte
// and records cut short or with absurd headers.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <numeric>
#include <random>

#include "Cipher.h"
#include "Error.h"
#include "Progress.h"
#include "RecordFile.h"
#include "ScriptedInteraction.h"
#include "SubstitutionKernel.h"
#include "TempDir.h"

using namespace modVW;

namespace {

EncryptedRecord Fresh(Bytes data, const std::string& password) {
    EncryptedRecord r;
    r.Data = std::move(data);
    r.Password.push_back(0);
    for (char c : PasswordCodes(password))
        r.Password.push_back(static_cast<uint8_t>(c));
    return r;
}

Bytes RandomBytes(size_t n, unsigned seed) {
    std::mt19937 gen(seed);
    Bytes v(n);
    for (auto& b : v)
        b = static_cast<uint8_t>(gen());
    return v;
}

// The record of tests/data/records/worked-example.vw3: payload 10 20 30, a password
// of five codes, name "a.txt" and the table that reverses 1..255.
EncryptedRecord WorkedExample() {
    EncryptedRecord r = Fresh({0x10, 0x20, 0x30}, "");
    r.Password = {0, 1, 2, 3, 4, 5};
    r.SourceKind = 1;
    r.SourceName = "a.txt";
    for (int i = 1; i < 256; ++i)
        r.Table[i] = static_cast<int16_t>(256 - i);
    return r;
}

}  // namespace

TEST(Cipher, RoundTripsPayloadsAndPassword) {
    Bytes all(256);
    std::iota(all.begin(), all.end(), 0);
    for (const Bytes& payload : {Bytes{}, Bytes{7}, all, RandomBytes(1 << 20, 1)}) {
        ScriptedInteraction ui;
        EncryptedRecord r = Fresh(payload, "Sécret Š pass");
        r = Encipher(r, ui);
        ASSERT_EQ(r.Password[0], 0);
        for (size_t i = 0; i < payload.size(); ++i)
            ASSERT_EQ(payload[i] == 0, r.Data[i] == 0) << "zero bytes must stay zero";
        EXPECT_TRUE(CheckPassword(r, "sÉCRET š PASS", ui)) << "letter case is ignored";
        EXPECT_FALSE(CheckPassword(r, "Sécret Š pass ", ui));
        EXPECT_FALSE(CheckPassword(r, "Secret S pass", ui));
        EXPECT_FALSE(CheckPassword(r, "密码", ui)) << "outside Windows-1252: simply no match";
        EncryptedRecord tried = r;  // a wrong password still deciphers the record given
        EXPECT_EQ(Decipher(tried, "nope", ui), EncryptedRecord{});
        EXPECT_EQ(tried.Data, payload);
        EncryptedRecord back = Decipher(r, "Sécret Š pass", ui);
        EXPECT_EQ(back.Data, payload);
        EXPECT_EQ(DecodePassword(back.Password, BuildInverseTable(back.Table)),
                  PasswordCodes("Sécret Š pass"));
        EXPECT_TRUE(ui.Messages().empty());
    }
    EXPECT_NE(BuildTable(), BuildTable()) << "every record needs a table of its own";
    EXPECT_THROW(PasswordCodes("pass密码"), vw::Error) << "cannot be stored";
}

TEST(Cipher, ProgressTakesTheByteLoopValues) {
    ScriptedInteraction ui;
    std::vector<int32_t> seen;
    ui.OnEvents = [&] { seen.push_back(CurrentProgress); };
    CurrentProgress = 77;
    EncryptedRecord empty = Fresh({}, "x");
    Encipher(empty, ui);
    EXPECT_EQ(CurrentProgress, 77) << "an empty payload publishes nothing";
    // Large payloads: one value per percent, in order, and no per-byte yielding (the
    // values of a short payload are checked through the procedures).
    EncryptedRecord big = Fresh(Bytes(3'000'007, 9), "x");
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

TEST(RecordFile, WorkedExampleByteForByte) {
    TempDir dir;
    const std::string golden = DataPath("records/worked-example.vw3");
    WriteRecord(dir / "x.vw3", WorkedExample());
    EXPECT_EQ(ReadFile(dir / "x.vw3"), ReadFile(golden));
    EXPECT_EQ(ReadRecord(golden), WorkedExample());
    // The smallest record: no payload, one password character, no name.
    EncryptedRecord smallest = WorkedExample();
    smallest.Data.clear();
    smallest.Password = {0, 9};
    smallest.SourceName.clear();
    WriteRecord(dir / "s.vw3", smallest);
    EXPECT_EQ(ReadFile(dir / "s.vw3").size(), 538u);
    EXPECT_EQ(ReadRecord(dir / "s.vw3"), smallest);
}

TEST(RecordFile, CutOrAbsurdRecordsAreClearErrors) {
    TempDir dir;
    const Bytes full = ReadFile(DataPath("records/worked-example.vw3"));
    std::vector<std::pair<Bytes, int>> damaged;  // the bytes, the error number
    for (size_t len = 0; len < full.size(); ++len)
        damaged.push_back({Bytes(full.begin(), full.begin() + len), 62});
    // 2 and 0 payload dimensions, payload lower bound 1, a password count beyond the file.
    for (auto [at, value] : {std::pair{0, 2}, {0, 0}, {6, 1}, {17, 1}}) {
        Bytes bytes = full;
        bytes[at] = static_cast<uint8_t>(value);
        damaged.push_back({bytes, -1});
    }
    for (const auto& [bytes, number] : damaged) {
        WriteFile(dir / "t.vw3", bytes);
        try {
            ReadRecord(dir / "t.vw3");
            ADD_FAILURE() << "accepted a damaged record of " << bytes.size() << " bytes";
        } catch (const vw::Error& e) {
            if (number < 0) continue;
            EXPECT_EQ(e.Number(), number) << bytes.size();
            EXPECT_NE(e.Description().find("t.vw3"), std::string::npos) << e.Description();
        }
    }
}
