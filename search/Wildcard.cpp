// Windows file-name wildcards. Matching runs in O(name x pattern) at worst with
// the greedy star-backtrack scheme, so hostile patterns cannot blow up.

#include <cstddef>
#include <string_view>

#include "cDirSearch.h"

namespace {

char FoldCase(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// "*" matches any run of characters, "?" exactly one; all else matches itself
// with ASCII letter case ignored.
bool PlainMatch(std::string_view name, std::string_view pattern) {
    constexpr std::size_t none = std::string_view::npos;
    std::size_t n = 0, p = 0;
    std::size_t starAt = none, resumeAt = 0;  // last "*" seen and where its run ends
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || FoldCase(pattern[p]) == FoldCase(name[n]))) {
            ++n;
            ++p;
        } else if (starAt != none) {
            p = starAt + 1;  // let the last "*" swallow one more character
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

}  // namespace

bool MatchesWildcard(std::string_view name, std::string_view pattern) {
    if (PlainMatch(name, pattern)) return true;
    // As on Windows, a trailing ".*" may match nothing at all, so "*.*" and
    // "report.*" also take names without a dot ...
    if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*") {
        return PlainMatch(name, pattern.substr(0, pattern.size() - 2));
    }
    // ... and a trailing "." asks for a name without any dot ("*." is "no extension").
    if (!pattern.empty() && pattern.back() == '.') {
        return name.find('.') == std::string_view::npos &&
               PlainMatch(name, pattern.substr(0, pattern.size() - 1));
    }
    return false;
}
