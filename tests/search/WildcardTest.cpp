#include <gtest/gtest.h>

#include <string>

#include "cDirSearch.h"

TEST(Wildcard, StarDotStarMatchesEveryNameAlsoWithoutDot) {
    for (const char* name : {"README", "a.txt", "archive.tar.gz", ".profile", ".", ".."}) {
        EXPECT_TRUE(MatchesWildcard(name, "*.*")) << name;
    }
    EXPECT_TRUE(MatchesWildcard("report", "report.*"));
    EXPECT_FALSE(MatchesWildcard("reports", "report.*"));
}

TEST(Wildcard, ExtensionPatterns) {
    EXPECT_TRUE(MatchesWildcard("a.txt", "*.txt"));
    EXPECT_TRUE(MatchesWildcard(".txt", "*.txt"));
    EXPECT_FALSE(MatchesWildcard("a.txt.bak", "*.txt"));
    EXPECT_FALSE(MatchesWildcard("atxt", "*.txt"));
    EXPECT_TRUE(MatchesWildcard("README", "*."));
    EXPECT_FALSE(MatchesWildcard("a.txt", "*."));
}

TEST(Wildcard, LetterCaseIgnored) {
    EXPECT_TRUE(MatchesWildcard("Photo.JPG", "*.jpg"));
    EXPECT_TRUE(MatchesWildcard("photo.jpg", "PHOTO.*"));
    EXPECT_FALSE(MatchesWildcard("photo.jpe", "*.jpg"));
}

TEST(Wildcard, QuestionMarkIsExactlyOneCharacter) {
    EXPECT_TRUE(MatchesWildcard("a1.txt", "a?.txt"));
    EXPECT_FALSE(MatchesWildcard("a.txt", "a?.txt"));
    EXPECT_FALSE(MatchesWildcard("a12.txt", "a?.txt"));
    EXPECT_TRUE(MatchesWildcard("ab", "??"));
    EXPECT_FALSE(MatchesWildcard("", "?"));
}

TEST(Wildcard, StarsNeedBacktracking) {
    EXPECT_TRUE(MatchesWildcard("abcabd", "*ab?"));
    EXPECT_TRUE(MatchesWildcard("aXbXc", "a*b*c"));
    EXPECT_FALSE(MatchesWildcard("aXbXd", "a*b*c"));
    EXPECT_TRUE(MatchesWildcard("", "*"));
    EXPECT_TRUE(MatchesWildcard("x", "**"));
    EXPECT_FALSE(MatchesWildcard("x", ""));
}

TEST(Wildcard, ManyStarsStayFast) {
    // Exponential matchers never finish this one.
    const std::string name(20000, 'a');
    EXPECT_FALSE(MatchesWildcard(name, "*a*a*a*a*a*a*a*a*a*a*a*a*b"));
    EXPECT_TRUE(MatchesWildcard(name + "b", "*a*a*a*a*a*a*a*a*a*a*a*a*b"));
}
