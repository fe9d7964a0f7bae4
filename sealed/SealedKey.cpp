#include "SealedKey.h"

#include <sodium.h>

#include <chrono>
#include <future>

#include "Error.h"
#include "Text1252.h"

namespace modVW {
namespace {

// The context of the subkeys; fixed for the format, exactly 8 bytes.
constexpr char kSubkeyContext[crypto_kdf_CONTEXTBYTES + 1] = "VWSEALED";
constexpr uint64_t kStreamSubkey = 1;
constexpr uint64_t kCheckSubkey = 2;

// How often the user interface gets a turn while Argon2id runs.
constexpr std::chrono::milliseconds kTurn{40};

}  // namespace

void RequireSodium() {
    if (sodium_init() < 0)
        throw vw::Error(vw::ErrorNumber::InvalidCall,
                        VW_TEXT("Sealed", "The cryptography library cannot start"));
}

void NewSalt(uint8_t (&salt)[kSaltBytes]) {
    RequireSodium();
    randombytes_buf(salt, kSaltBytes);
}

bool CostWithinBounds(const SealedCost& cost) {
    return cost.Passes >= crypto_pwhash_OPSLIMIT_MIN && cost.Passes <= kMaxPasses &&
           cost.MemoryBytes >= crypto_pwhash_MEMLIMIT_MIN && cost.MemoryBytes <= kMaxMemoryBytes;
}

SealedKeys::SealedKeys() {
    RequireSodium();
    sodium_mlock(this, sizeof *this);  // best effort: a locked-memory limit may refuse
}

SealedKeys::~SealedKeys() {
    sodium_munlock(this, sizeof *this);  // wipes them too
}

void DeriveSealedKeys(const std::string& password, const uint8_t (&salt)[kSaltBytes],
                      const SealedCost& cost, const std::function<void()>& turn, SealedKeys& keys) {
    static_assert(kSaltBytes == crypto_pwhash_SALTBYTES && kKeyBytes == crypto_kdf_KEYBYTES);
    RequireSodium();
    // The desktop program types UTF-8 only; other bytes could never open the file there.
    if (!Text1252::IsValidUtf8(password))
        throw vw::Error(vw::ErrorNumber::InvalidCall,
                        VW_TEXT("Sealed",
                                "Invalid procedure call or argument: a sealed file's "
                                "password must be UTF-8 text"));
    // Wiped on every way out, after the hashing below (declared later) has ended.
    struct WipedKey {
        uint8_t bytes[kKeyBytes];
        ~WipedKey() { sodium_memzero(bytes, sizeof bytes); }
    } wiped;
    uint8_t* master = wiped.bytes;
    auto hashing = std::async(std::launch::async, [&] {
        return crypto_pwhash(master, kKeyBytes, password.data(), password.size(), salt, cost.Passes,
                             static_cast<size_t>(cost.MemoryBytes), crypto_pwhash_ALG_ARGON2ID13);
    });
    while (hashing.wait_for(kTurn) != std::future_status::ready)
        turn();
    if (hashing.get() != 0)
        throw vw::Error(vw::ErrorNumber::OutOfMemory, VW_TEXT("Errors", "Out of memory"));
    crypto_kdf_derive_from_key(keys.Stream, sizeof keys.Stream, kStreamSubkey, kSubkeyContext,
                               master);
    crypto_kdf_derive_from_key(keys.Check, sizeof keys.Check, kCheckSubkey, kSubkeyContext, master);
}

void WipeText(std::string& text) {
    if (!text.empty()) sodium_memzero(text.data(), text.size());
}

}  // namespace modVW
