#include <gtest/gtest.h>

#include "KeyFile.h"

using ModFileExt::SetKeyValue;

namespace {

QByteArray SetOurs(const QByteArray& text) {
    return SetKeyValue(text, "Default Applications", "application/x-vaultwise-encrypted",
                       "moravi-vaultwise.desktop");
}

}  // namespace

TEST(KeyFile, MissingSectionIsAppendedAfterABlankLine) {
    EXPECT_EQ(SetOurs(""),
              "[Default Applications]\n"
              "application/x-vaultwise-encrypted=moravi-vaultwise.desktop\n");
    EXPECT_EQ(SetOurs("[Added Associations]\ntext/plain=gedit.desktop;"),
              "[Added Associations]\ntext/plain=gedit.desktop;\n\n"
              "[Default Applications]\n"
              "application/x-vaultwise-encrypted=moravi-vaultwise.desktop\n");
}

TEST(KeyFile, NewKeyGoesAtTheEndOfItsSectionNotIntoTheNext) {
    EXPECT_EQ(SetOurs("[Default Applications]\n"
                      "text/plain=gedit.desktop\n"
                      "\n"
                      "[Removed Associations]\n"
                      "image/png=gimp.desktop\n"),
              "[Default Applications]\n"
              "text/plain=gedit.desktop\n"
              "application/x-vaultwise-encrypted=moravi-vaultwise.desktop\n"
              "\n"
              "[Removed Associations]\n"
              "image/png=gimp.desktop\n");
}

TEST(KeyFile, OnlyTheExactKeyInThatSectionIsReplacedAndDuplicatesGo) {
    EXPECT_EQ(SetOurs("[Added Associations]\n"
                      "application/x-vaultwise-encrypted=other.desktop;\n"
                      "[Default Applications]\n"
                      "application/x-vaultwise-encrypted-old=keep.desktop\n"
                      " application/x-vaultwise-encrypted = old.desktop\n"
                      "# application/x-vaultwise-encrypted=comment.desktop\n"
                      "application/x-vaultwise-encrypted=older.desktop\n"),
              "[Added Associations]\n"
              "application/x-vaultwise-encrypted=other.desktop;\n"
              "[Default Applications]\n"
              "application/x-vaultwise-encrypted-old=keep.desktop\n"
              "application/x-vaultwise-encrypted=moravi-vaultwise.desktop\n"
              "# application/x-vaultwise-encrypted=comment.desktop\n");
}
