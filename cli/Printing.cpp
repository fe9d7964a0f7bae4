#include "Printing.h"

#include <cstdint>
#include <cstdio>

namespace vw3 {
namespace {

// The length of the well-formed UTF-8 sequence at the start of `s` and its code
// point; 0 when the first byte does not start one.
size_t Utf8Sequence(std::string_view s, uint32_t& code) {
    const auto b = [&](size_t i) { return static_cast<uint8_t>(s[i]); };
    const uint8_t lead = b(0);
    size_t length = 0;
    uint32_t min = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, min = 0x80, code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, min = 0x800, code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, min = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (s.size() < length) return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((b(i) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (b(i) & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < min || code > 0x10FFFF || surrogate ? 0 : length;
}

void Escape(std::string& out, const char* format, unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, format, value);
    out += text;
}

}  // namespace

std::string Visible(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const auto byte = static_cast<uint8_t>(text[0]);
        uint32_t code = byte;
        size_t length = byte < 0x80 ? 1 : Utf8Sequence(text, code);
        if (length == 0) {
            Escape(out, "\\x%02x", byte);
            length = 1;
        } else if (code < 0x20 || code == 0x7F) {
            Escape(out, "\\x%02x", code);
        } else if (code >= 0x80 && code <= 0x9F) {
            Escape(out, "\\u%04x", code);
        } else {
            out.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    return out;
}

void Say(std::ostream& to, std::string_view line) {
    to << Visible(line) << '\n';
}

}  // namespace vw3
