// The wildcard matcher against a plain dynamic-programming matcher, on a name
// and a pattern cut from the input at its first 0 byte. Also catches a pattern
// that makes the matcher slow (libFuzzer's -timeout).

#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "cDirSearch.h"

namespace {

char Fold(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// matches[i][j]: the first i characters of the name against the first j of the pattern.
bool ReferenceMatch(std::string_view name, std::string_view pattern) {
    const size_t n = name.size(), m = pattern.size();
    std::vector<std::vector<char>> matches(n + 1, std::vector<char>(m + 1, 0));
    matches[0][0] = 1;
    for (size_t j = 1; j <= m; ++j)
        matches[0][j] = pattern[j - 1] == '*' && matches[0][j - 1];
    for (size_t i = 1; i <= n; ++i) {
        for (size_t j = 1; j <= m; ++j) {
            const char p = pattern[j - 1];
            if (p == '*')
                matches[i][j] = matches[i - 1][j] || matches[i][j - 1];
            else
                matches[i][j] = (p == '?' || Fold(p) == Fold(name[i - 1])) && matches[i - 1][j - 1];
        }
    }
    return matches[n][m];
}

// The Windows rules on top: a trailing ".*" may match nothing, and a trailing "."
// asks for a name without a dot.
bool Reference(std::string_view name, std::string_view pattern) {
    if (ReferenceMatch(name, pattern)) return true;
    if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*")
        return ReferenceMatch(name, pattern.substr(0, pattern.size() - 2));
    if (!pattern.empty() && pattern.back() == '.')
        return name.find('.') == std::string_view::npos &&
               ReferenceMatch(name, pattern.substr(0, pattern.size() - 1));
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t cut = input.find('\0');
    const std::string_view name = input.substr(0, cut);
    const std::string_view pattern =
        cut == std::string_view::npos ? std::string_view() : input.substr(cut + 1);
    // The reference needs name x pattern bytes of memory; the matcher itself none.
    if (name.size() * pattern.size() > (1u << 22)) return 0;

    const bool got = MatchesWildcard(name, pattern);
    if (got != Reference(name, pattern))
        Finding("MatchesWildcard says " + std::to_string(got) + " for the name \"" +
                std::string(name) + "\" and pattern \"" + std::string(pattern) + "\"");
    if (!MatchesWildcard(name, "*") || !MatchesWildcard(name, "*.*"))
        Finding("\"*\" or \"*.*\" refused a name");
    return 0;
}
