#include "Text1252.h"

#include <array>
#include <cstdint>

namespace Text1252 {
namespace {

// Code points of bytes 0x80..0x9F; the rest of the page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePointOf(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
    return byte;
}

std::optional<unsigned char> ByteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
    for (size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == cp) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at `pos`; advances `pos`. Nothing on a malformed one.
std::optional<char32_t> NextCodePoint(std::string_view s, size_t& pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    size_t len = b0 < 0x80           ? 1
                 : (b0 >> 5) == 0x6  ? 2
                 : (b0 >> 4) == 0xE  ? 3
                 : (b0 >> 3) == 0x1E ? 4
                                     : 0;
    if (len == 0 || pos + len > s.size()) return std::nullopt;
    char32_t cp = len == 1 ? b0 : b0 & (0x7F >> len);
    for (size_t i = 1; i < len; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if ((b & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    pos += len;
    return cp;
}

}  // namespace

std::string Upper(std::string_view cp1252) {
    std::string out(cp1252);
    for (char& c : out) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7))
            c = static_cast<char>(b - 0x20);
        else if (b == 0x9A || b == 0x9C || b == 0x9E)  // š œ ž
            c = static_cast<char>(b - 0x10);
        else if (b == 0xFF)  // ÿ
            c = static_cast<char>(0x9F);
    }
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    for (size_t pos = 0; pos < bytes.size();)
        if (!NextCodePoint(bytes, pos)) return false;
    return true;
}

std::optional<std::string> FromUtf8Strict(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();) {
        const auto cp = NextCodePoint(utf8, pos);
        if (!cp) return std::nullopt;
        const auto byte = ByteOf(*cp);
        if (!byte) return std::nullopt;
        out += static_cast<char>(*byte);
    }
    return out;
}

std::string ToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size() * 2);
    for (char c : cp1252)
        AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
    return out;
}

std::string NameToFile(std::string_view utf8) {
    // Windows-1252 first, so the name reads right on Windows too; its UTF-8 bytes
    // when the Windows-1252 bytes would read back as another name ("Ã©" is C3 A9,
    // which is also the UTF-8 of "é").
    if (auto bytes = FromUtf8Strict(utf8); bytes && NameFromFile(*bytes) == utf8) return *bytes;
    return std::string(utf8);
}

bool NameSurvives(std::string_view utf8) {
    return NameFromFile(NameToFile(utf8)) == utf8;
}

std::string NameFromFile(std::string_view stored) {
    bool high = false;
    for (char c : stored)
        high |= static_cast<unsigned char>(c) > 0x7F;
    if (high && IsValidUtf8(stored)) return std::string(stored);
    return ToUtf8(stored);
}

std::string Lower(std::string_view cp1252) {
    std::string out(cp1252);
    for (char& c : out) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
            c = static_cast<char>(b + 0x20);
        else if (b == 0x8A || b == 0x8C || b == 0x8E)  // Š Œ Ž
            c = static_cast<char>(b + 0x10);
        else if (b == 0x9F)  // Ÿ
            c = static_cast<char>(0xFF);
    }
    return out;
}

}  // namespace Text1252
