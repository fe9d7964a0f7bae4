// The two ways to compute a sealed chunk's XChaCha20-Poly1305, on one processor,
// in the same run: libsodium's crypto_aead_xchacha20poly1305_ietf, and the chunk
// cipher the program uses (OpenSSL's ChaCha20-Poly1305 under libsodium's HChaCha20
// subkey, see ChunkCipher.h). Each seals and opens 1 MiB chunks in place; rounds
// alternate between them. Speeds are of processor time (the thread's CPU clock),
// which the other programs of a shared machine disturb less than wall time; each
// row gives the median over the rounds with the extremes, and the chunk cipher's
// ratio to libsodium, round by round.
// Usage: bench_chunk_cipher [MiB a round] [rounds]   (default 256, 9)

#include <sodium.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "ChunkCipher.h"
#include "PagePlacement.h"

namespace {

constexpr size_t kChunk = size_t{1} << 20;

double CpuSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

struct Contender {
    const char* name;
    // Seals or opens the chunk at its argument in place, its tag after it.
    std::function<bool(uint8_t*)> run;
    bool opens;
    std::vector<double> gbps;
};

std::string Spread(const std::vector<double>& v) {
    char text[64];
    std::snprintf(text, sizeof text, "%5.2f (%.2f..%.2f)", bench::Quantile(v, 0.5),
                  bench::Quantile(v, 0), bench::Quantile(v, 1));
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    const size_t mib = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 256;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 9;
    if (sodium_init() < 0) return 1;
    uint8_t key[modVW::kChunkKeyBytes], nonce[modVW::kChunkNonceBytes];
    randombytes_buf(key, sizeof key);
    randombytes_buf(nonce, sizeof nonce);
    const vw::PlacedBuffer room(kChunk + modVW::kChunkTagBytes), sealedRoom(room.Size());
    uint8_t* const chunk = room.At(0);
    uint8_t* const sealed = sealedRoom.At(0);
    randombytes_buf(sealed, kChunk);
    modVW::SealText(key, nonce, sealed, kChunk, sealed + kChunk);

    std::vector<Contender> all{
        {"libsodium seal",
         [&](uint8_t* c) {
             return crypto_aead_xchacha20poly1305_ietf_encrypt_detached(
                        c, c + kChunk, nullptr, c, kChunk, nullptr, 0, nullptr, nonce, key) == 0;
         },
         false,
         {}},
        {"chunk cipher seal",
         [&](uint8_t* c) {
             modVW::SealText(key, nonce, c, kChunk, c + kChunk);
             return true;
         },
         false,
         {}},
        {"libsodium open",
         [&](uint8_t* c) {
             return crypto_aead_xchacha20poly1305_ietf_decrypt_detached(
                        c, nullptr, c, kChunk, c + kChunk, nullptr, 0, nonce, key) == 0;
         },
         true,
         {}},
        {"chunk cipher open",
         [&](uint8_t* c) { return modVW::OpenText(key, nonce, c, kChunk, c + kChunk); },
         true,
         {}},
    };
    for (int round = -1; round < rounds; ++round)
        for (auto& c : all) {
            double seconds = 0;
            for (size_t i = 0; i < mib; ++i) {
                // An opening needs a sealed chunk each time: copied outside the timing.
                if (c.opens || i == 0) std::memcpy(chunk, sealed, room.Size());
                const double t0 = CpuSeconds();
                const bool ok = c.run(chunk);
                seconds += CpuSeconds() - t0;
                if (!ok) {
                    std::fprintf(stderr, "%s failed\n", c.name);
                    return 1;
                }
            }
            if (round >= 0) c.gbps.push_back(static_cast<double>(mib * kChunk) / seconds / 1e9);
        }

    std::printf(
        "1 MiB chunks in place, %zu MiB a round, %d rounds: GB/s of processor time, "
        "median (smallest..largest)\n",
        mib, rounds);
    for (size_t i = 0; i < all.size(); i += 2) {
        std::vector<double> ratios;
        for (int r = 0; r < rounds; ++r)
            ratios.push_back(all[i + 1].gbps[r] / all[i].gbps[r]);
        std::printf("  %-18s %s\n", all[i].name, Spread(all[i].gbps).c_str());
        std::printf("  %-18s %s  %s x libsodium\n", all[i + 1].name,
                    Spread(all[i + 1].gbps).c_str(), Spread(ratios).c_str());
    }
    return 0;
}
