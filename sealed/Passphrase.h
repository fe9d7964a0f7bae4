#pragma once
// Random passphrases of words from the EFF's long wordlist (7,776 words, as
// Debian's diceware package ships it, built into the program), each word drawn
// uniformly with libsodium: 6 words hold about 77 bits.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace modVW {

constexpr size_t kPassphraseWords = 6;
constexpr char kPassphraseSeparator = '-';

// The wordlist, in its order.
const std::vector<std::string_view>& PassphraseWords();

// `words` words drawn at random, joined by kPassphraseSeparator.
std::string GeneratePassphrase(size_t words = kPassphraseWords);

}  // namespace modVW
