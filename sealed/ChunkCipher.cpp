#include "ChunkCipher.h"

#include <openssl/evp.h>
#include <sodium.h>

#include <climits>
#include <cstring>
#include <memory>

#include "Error.h"

namespace modVW {
namespace {

constexpr size_t kSubkeyNonceBytes = crypto_core_hchacha20_INPUTBYTES;
constexpr size_t kIetfNonceBytes = 12;
static_assert(kChunkKeyBytes == crypto_core_hchacha20_KEYBYTES &&
              kChunkKeyBytes == crypto_core_hchacha20_OUTPUTBYTES);
static_assert(kChunkNonceBytes == crypto_aead_xchacha20poly1305_ietf_NPUBBYTES &&
              kChunkTagBytes == crypto_aead_xchacha20poly1305_ietf_ABYTES);
// The IETF nonce's 4 zero bytes and the XChaCha20 nonce's last 8 fill it.
static_assert(4 + kChunkNonceBytes - kSubkeyNonceBytes == kIetfNonceBytes);

[[noreturn]] void LibraryFailed() {
    throw vw::Error(vw::ErrorNumber::InvalidCall,
                    "Invalid procedure call or argument: the cryptography library failed");
}

// Looked up once: a lookup at every chunk would take OpenSSL's locks each time.
const EVP_CIPHER* ChaCha20Poly1305() {
    static EVP_CIPHER* const cipher = EVP_CIPHER_fetch(nullptr, "ChaCha20-Poly1305", nullptr);
    if (!cipher) LibraryFailed();
    return cipher;
}

using Context = std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)>;

// ChaCha20-Poly1305 under the subkey of `key` and `nonce`, ready to seal
// (`seal` 1) or open (0). Freeing the context wipes the subkey it holds.
Context Start(const uint8_t* key, const uint8_t* nonce, int seal, size_t len) {
    if (len > INT_MAX) LibraryFailed();  // OpenSSL counts bytes in an int
    uint8_t subkey[kChunkKeyBytes];
    uint8_t ietfNonce[kIetfNonceBytes] = {};
    std::memcpy(ietfNonce + 4, nonce + kSubkeyNonceBytes, kChunkNonceBytes - kSubkeyNonceBytes);
    Context context(EVP_CIPHER_CTX_new(), EVP_CIPHER_CTX_free);
    const bool started = crypto_core_hchacha20(subkey, nonce, key, nullptr) == 0 && context &&
                         EVP_CipherInit_ex2(context.get(), ChaCha20Poly1305(), subkey, ietfNonce,
                                            seal, nullptr) == 1;
    sodium_memzero(subkey, sizeof subkey);
    if (!started) LibraryFailed();
    return context;
}

// Runs the `len` bytes at `text` through the context, in place.
bool Update(EVP_CIPHER_CTX* context, uint8_t* text, size_t len) {
    int out = 0;
    return len == 0 || (EVP_CipherUpdate(context, text, &out, text, static_cast<int>(len)) == 1 &&
                        out == static_cast<int>(len));
}

}  // namespace

void SealText(const uint8_t* key, const uint8_t* nonce, uint8_t* text, size_t len, uint8_t* tag) {
    const Context context = Start(key, nonce, 1, len);
    uint8_t none[1];
    int out = 0;
    if (!Update(context.get(), text, len) || EVP_CipherFinal_ex(context.get(), none, &out) != 1 ||
        out != 0 ||
        EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_AEAD_GET_TAG, kChunkTagBytes, tag) != 1)
        LibraryFailed();
}

bool OpenText(const uint8_t* key, const uint8_t* nonce, uint8_t* text, size_t len,
              const uint8_t* tag) {
    const Context context = Start(key, nonce, 0, len);
    if (!Update(context.get(), text, len) ||
        EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_AEAD_SET_TAG, kChunkTagBytes,
                            const_cast<uint8_t*>(tag)) != 1)
        LibraryFailed();
    // The tag is checked once the text is decrypted: text that fails it never
    // leaves here.
    uint8_t none[1];
    int out = 0;
    if (EVP_CipherFinal_ex(context.get(), none, &out) == 1) return true;
    sodium_memzero(text, len);
    return false;
}

}  // namespace modVW
