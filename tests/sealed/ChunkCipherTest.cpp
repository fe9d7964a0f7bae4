// The chunk cipher writes exactly what libsodium's XChaCha20-Poly1305 writes, so
// sealed files keep their bytes, and each library opens what the other sealed.

#include <gtest/gtest.h>
#include <sodium.h>

#include <vector>

#include "ChunkCipher.h"

using namespace modVW;

namespace {

std::vector<uint8_t> Random(size_t n) {
    std::vector<uint8_t> bytes(n);
    randombytes_buf(bytes.data(), n);
    return bytes;
}

// `n` random bytes and a zero after them, which neither cipher may touch (and
// which gives an empty text a place: libsodium takes no null pointer).
std::vector<uint8_t> Text(size_t n) {
    std::vector<uint8_t> bytes = Random(n + 1);
    bytes[n] = 0;
    return bytes;
}

}  // namespace

// Lengths around Poly1305's 16-byte blocks, ChaCha20's 64-byte blocks and the 4
// and 8 blocks its vector code takes at once, up to a whole chunk.
TEST(ChunkCipher, SealsAsLibsodiumDoesAndEachOpensTheOther) {
    ASSERT_GE(sodium_init(), 0);
    for (const size_t len :
         {0, 1, 15, 16, 17, 63, 64, 65, 255, 256, 257, 511, 512, 513, 100000, 1 << 20}) {
        SCOPED_TRACE(len);
        const auto key = Random(kChunkKeyBytes), nonce = Random(kChunkNonceBytes), text = Text(len);
        std::vector<uint8_t> ours = text, ourTag(kChunkTagBytes);
        SealText(key.data(), nonce.data(), ours.data(), len, ourTag.data());
        std::vector<uint8_t> theirs(len + 1), theirTag(kChunkTagBytes);
        crypto_aead_xchacha20poly1305_ietf_encrypt_detached(theirs.data(), theirTag.data(), nullptr,
                                                            text.data(), len, nullptr, 0, nullptr,
                                                            nonce.data(), key.data());
        EXPECT_EQ(ours, theirs);
        EXPECT_EQ(ourTag, theirTag);

        std::vector<uint8_t> back(len + 1);
        EXPECT_EQ(crypto_aead_xchacha20poly1305_ietf_decrypt_detached(
                      back.data(), nullptr, ours.data(), len, ourTag.data(), nullptr, 0,
                      nonce.data(), key.data()),
                  0);
        EXPECT_EQ(back, text);
        ASSERT_TRUE(OpenText(key.data(), nonce.data(), theirs.data(), len, theirTag.data()));
        EXPECT_EQ(theirs, text);
    }
}

// A changed byte anywhere (text, tag, key, either half of the nonce: the one
// that makes the subkey, the one the bulk cipher takes) fails, and the text
// decrypted meanwhile is wiped.
TEST(ChunkCipher, AnyChangedByteFailsAndLeavesNoText) {
    ASSERT_GE(sodium_init(), 0);
    const auto key = Random(kChunkKeyBytes), nonce = Random(kChunkNonceBytes), text = Random(1000);
    std::vector<uint8_t> sealed = text, tag(kChunkTagBytes);
    SealText(key.data(), nonce.data(), sealed.data(), sealed.size(), tag.data());
    // Which of key, nonce, sealed text and tag is changed, and its byte.
    const std::pair<int, size_t> changes[] = {{2, 0}, {2, 999}, {3, 0},  {3, 15}, {0, 31},
                                              {1, 0}, {1, 15},  {1, 16}, {1, 23}};
    for (const auto& [which, at] : changes) {
        SCOPED_TRACE(testing::Message() << which << " " << at);
        std::vector<uint8_t> parts[] = {key, nonce, sealed, tag};
        parts[which][at] ^= 1;
        EXPECT_FALSE(
            OpenText(parts[0].data(), parts[1].data(), parts[2].data(), 1000, parts[3].data()));
        EXPECT_EQ(parts[2], std::vector<uint8_t>(1000, 0));
    }
}
