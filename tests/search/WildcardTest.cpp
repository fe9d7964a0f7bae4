#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cDirSearch.h"

TEST(Wildcard, MatchesLikeTheFileDialogs) {
    struct Case {
        const char* pattern;
        std::vector<std::string> matching, other;
    };
    const Case cases[] = {
        {"*.*", {"README", "archive.tar.gz", ".profile", ".."}, {}},  // also names without a dot
        {"report.*", {"report"}, {"reports"}},
        {"*.txt", {".txt"}, {"a.txt.bak", "atxt"}},
        {"*.", {"README"}, {"a.txt"}},
        {"*.jpg", {"Photo.JPG"}, {"photo.jpe"}},  // letter case is ignored
        {"PHOTO.*", {"photo.jpg"}, {}},
        {"a?.txt", {"a1.txt"}, {"a.txt", "a12.txt"}},  // exactly one character
        {"?", {}, {""}},
        {"*ab?", {"abcabd"}, {}},  // stars that need backtracking
        {"a*b*c", {"aXbXc"}, {"aXbXd"}},
        {"*", {""}, {}},
        {"**", {"x"}, {}},
        {"", {}, {"x"}},
    };
    for (const auto& c : cases) {
        for (const auto& name : c.matching)
            EXPECT_TRUE(MatchesWildcard(name, c.pattern)) << name << " ~ " << c.pattern;
        for (const auto& name : c.other)
            EXPECT_FALSE(MatchesWildcard(name, c.pattern)) << name << " ~ " << c.pattern;
    }
}

TEST(Wildcard, ManyStarsStayFast) {
    // Exponential matchers never finish this one.
    const std::string name(20000, 'a');
    EXPECT_FALSE(MatchesWildcard(name, "*a*a*a*a*a*a*a*a*a*a*a*a*b"));
    EXPECT_TRUE(MatchesWildcard(name + "b", "*a*a*a*a*a*a*a*a*a*a*a*a*b"));
}
