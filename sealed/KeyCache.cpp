#include "KeyCache.h"

#include <sodium.h>

#include <cstring>

namespace modVW {

struct KeyCache::Entry {
    uint8_t Salt[kSaltBytes];
    SealedCost Cost;
    uint8_t PasswordDigest[crypto_generichash_BYTES];
    SealedKeys Keys;
};

namespace {

bool SameCost(const SealedCost& a, const SealedCost& b) {
    return a.Passes == b.Passes && a.MemoryBytes == b.MemoryBytes;
}

}  // namespace

KeyCache::KeyCache() {
    RequireSodium();
    randombytes_buf(secret_, sizeof secret_);
}

KeyCache::~KeyCache() {
    sodium_memzero(secret_, sizeof secret_);
}

const SealedKeys& KeyCache::Keys(const std::string& password, const uint8_t (&salt)[kSaltBytes],
                                 const SealedCost& cost, const std::function<void()>& turn) {
    uint8_t digest[crypto_generichash_BYTES];
    crypto_generichash(digest, sizeof digest, reinterpret_cast<const uint8_t*>(password.data()),
                       password.size(), secret_, sizeof secret_);
    for (const auto& entry : entries_)
        if (std::memcmp(entry->Salt, salt, kSaltBytes) == 0 && SameCost(entry->Cost, cost) &&
            sodium_memcmp(entry->PasswordDigest, digest, sizeof digest) == 0)
            return entry->Keys;
    auto entry = std::make_unique<Entry>();
    DeriveSealedKeys(password, salt, cost, turn, entry->Keys);  // may throw: nothing kept
    ++derivations_;
    std::memcpy(entry->Salt, salt, kSaltBytes);
    entry->Cost = cost;
    std::memcpy(entry->PasswordDigest, digest, sizeof digest);
    entries_.push_back(std::move(entry));
    return entries_.back()->Keys;
}

SealedHeader KeyCache::NewHeader(const SealedCost& cost) {
    for (const auto& header : headers_)
        if (SameCost(header.Cost, cost)) return header;
    headers_.push_back(NewSealedHeader(cost));
    return headers_.back();
}

}  // namespace modVW
