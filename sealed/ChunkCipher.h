#pragma once
// XChaCha20-Poly1305 of one chunk, detached tag, no additional data: the bytes
// libsodium's crypto_aead_xchacha20poly1305_ietf writes, computed faster.
// XChaCha20-Poly1305 is HChaCha20 of the key and the nonce's first 16 bytes,
// which gives a subkey, then the IETF ChaCha20-Poly1305 of RFC 8439 under that
// subkey with a 12-byte nonce: 4 zero bytes, then the nonce's last 8. libsodium
// makes the subkey; OpenSSL runs the bulk, with the processor's widest vectors
// for ChaCha20 and for Poly1305 (libsodium 1.0.18 has no vector Poly1305 and
// sealed a chunk about 1.6 times slower on an AVX2 processor).

#include <cstddef>
#include <cstdint>

namespace modVW {

constexpr size_t kChunkKeyBytes = 32;
constexpr size_t kChunkNonceBytes = 24;
constexpr size_t kChunkTagBytes = 16;

// Encrypts the `len` bytes at `text` in place and puts their tag in `tag`.
// Throws vw::Error when the cryptography library fails.
void SealText(const uint8_t* key, const uint8_t* nonce, uint8_t* text, size_t len, uint8_t* tag);

// Decrypts the `len` bytes at `text` in place when `tag` is theirs; false, with
// the bytes wiped, when it is not.
bool OpenText(const uint8_t* key, const uint8_t* nonce, uint8_t* text, size_t len,
              const uint8_t* tag);

}  // namespace modVW
