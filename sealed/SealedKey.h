#pragma once
// The keys of a sealed file. Argon2id turns the typed password (its UTF-8 bytes,
// letter case and all) and the file's salt into one master key; two subkeys come
// from it, one for the content stream and one for the key-check value, so a wrong
// password is recognised without touching the content.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace modVW {

// Argon2id's two cost parameters, as a sealed file's header stores them.
struct SealedCost {
    uint32_t Passes = 0;       // opslimit
    uint64_t MemoryBytes = 0;  // memlimit
};

// What new files are sealed with.
constexpr SealedCost kNewFileCost{3, uint64_t{256} << 20};
// The most a file may ask for. A header beyond this (or below Argon2id's own
// minimum) is damaged: a hostile file must not make us spend the machine on it.
constexpr uint32_t kMaxPasses = 10;
constexpr uint64_t kMaxMemoryBytes = uint64_t{4} << 30;

constexpr size_t kSaltBytes = 16;
constexpr size_t kKeyBytes = 32;

bool CostWithinBounds(const SealedCost& cost);

// Starts the cryptography library once (later calls cost nothing); throws
// vw::Error when it cannot start.
void RequireSodium();

// A fresh random salt for a new file.
void NewSalt(uint8_t (&salt)[kSaltBytes]);

// The two subkeys; kept out of swap while they live, wiped when they go out of
// scope, and never copied.
struct SealedKeys {
    uint8_t Stream[kKeyBytes] = {};
    uint8_t Check[kKeyBytes] = {};

    SealedKeys();
    ~SealedKeys();
    SealedKeys(const SealedKeys&) = delete;
    SealedKeys& operator=(const SealedKeys&) = delete;
};

// Derives the keys for `password` and `salt`. Argon2id at the default cost takes
// about a second, so it runs on a worker thread while this thread calls `turn`
// every 40 ms (the user interface's turn: the progress window stays alive). A
// `turn` that throws stops the waiting: the derivation is let finish, its key
// wiped, and the exception goes on. Throws vw::Error 7 when the memory the cost
// asks for cannot be had.
void DeriveSealedKeys(const std::string& password, const uint8_t (&salt)[kSaltBytes],
                      const SealedCost& cost, const std::function<void()>& turn, SealedKeys& keys);

// Overwrites a password's bytes before its string lets go of them.
void WipeText(std::string& text);

}  // namespace modVW
