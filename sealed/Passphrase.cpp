#include "Passphrase.h"

#include <sodium.h>

#include "Error.h"
#include "SealedKey.h"

namespace modVW {

// The list, one word a line, generated at build time from the diceware package's file.
extern const char kEffWordlist[];

const std::vector<std::string_view>& PassphraseWords() {
    static const std::vector<std::string_view> words = [] {
        std::vector<std::string_view> list;
        const std::string_view text(kEffWordlist);
        for (size_t start = 0; start < text.size();) {
            size_t end = text.find('\n', start);
            if (end == std::string_view::npos) end = text.size();
            if (end > start) list.push_back(text.substr(start, end - start));
            start = end + 1;
        }
        return list;
    }();
    return words;
}

std::string GeneratePassphrase(size_t words) {
    RequireSodium();
    const auto& list = PassphraseWords();
    if (list.empty())
        throw vw::Error(vw::ErrorNumber::InvalidCall, VW_TEXT("Sealed", "No wordlist"));
    std::string phrase;
    for (size_t i = 0; i < words; ++i) {
        if (i) phrase += kPassphraseSeparator;
        phrase += list[randombytes_uniform(static_cast<uint32_t>(list.size()))];
    }
    return phrase;
}

}  // namespace modVW
