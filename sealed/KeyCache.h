#pragma once
// Keys derived once and used again within one batch of files, so that a batch
// pays for one key derivation, not one per file.
//
// Sealing: every file the cache seals gets the same salt and cost, so all of
// them share one derived key; each file still draws its own random nonce prefix
// (SealedStart), so no chunk nonce repeats under the shared key.
// Opening: a file whose salt, cost and password are those of keys already
// derived opens with them, without a derivation.
//
// The cache lives as long as its batch. Its keys are SealedKeys (locked, wiped);
// the passwords are kept only as digests keyed with a secret of the cache.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "SealedFile.h"
#include "SealedKey.h"

namespace modVW {

class KeyCache {
public:
    KeyCache();
    ~KeyCache();
    KeyCache(const KeyCache&) = delete;
    KeyCache& operator=(const KeyCache&) = delete;

    // The keys of `password` with `salt` and `cost`: derived (see DeriveSealedKeys,
    // which `turn` is passed to) the first time, the same keys after that. They
    // live as long as the cache.
    const SealedKeys& Keys(const std::string& password, const uint8_t (&salt)[kSaltBytes],
                           const SealedCost& cost, const std::function<void()>& turn);

    // The header a new file of this batch is sealed with: a fresh salt the first
    // time for a cost, the same salt for every later file of that cost.
    SealedHeader NewHeader(const SealedCost& cost);

    // How many derivations the cache has run: what a batch paid.
    int Derivations() const { return derivations_; }

private:
    struct Entry;
    std::vector<std::unique_ptr<Entry>> entries_;
    std::vector<SealedHeader> headers_;  // one per cost sealed with
    uint8_t secret_[32];                 // keys the password digests
    int derivations_ = 0;
};

}  // namespace modVW
