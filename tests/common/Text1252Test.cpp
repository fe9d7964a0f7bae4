// Windows-1252 conversion of names and passwords.

#include <gtest/gtest.h>

#include "Text1252.h"

TEST(Text1252, ConvertsBothWays) {
    EXPECT_EQ(Text1252::FromUtf8Strict("café €"), std::string("caf\xE9 \x80"));
    EXPECT_EQ(Text1252::ToUtf8("caf\xE9 \x80\x9F"), "café €Ÿ");
    EXPECT_EQ(Text1252::FromUtf8Strict("日本"), std::nullopt);
    EXPECT_EQ(Text1252::FromUtf8Strict("\xC3"), std::nullopt) << "cut UTF-8";
    EXPECT_EQ(Text1252::FromUtf8Strict("\xC0\xAF"), std::nullopt) << "overlong UTF-8";
}

TEST(Text1252, NamesFallBackToUtf8AndReadBack) {
    for (const char* name : {"plain.txt", "café.doc", "Œuvre Ÿ.txt", "日本語.txt", "mixé 日.txt"})
        EXPECT_EQ(Text1252::NameFromFile(Text1252::NameToFile(name)), name) << name;
    EXPECT_EQ(Text1252::NameToFile("日本"), "日本");
    EXPECT_EQ(Text1252::NameToFile("é"), "\xE9");
}

TEST(Text1252, UpperAndLowerCoverAccentedLetters) {
    EXPECT_EQ(Text1252::Upper("abc\xE0\xE9\xFE\xF7\x9A\x9C\x9E\xFF\xDF"),
              "ABC\xC0\xC9\xDE\xF7\x8A\x8C\x8E\x9F\xDF");
    EXPECT_EQ(Text1252::Lower("ABC\xC0\xC9\xDE\xD7\x8A\x8C\x8E\x9F\xDF"),
              "abc\xE0\xE9\xFE\xD7\x9A\x9C\x9E\xFF\xDF");
}
