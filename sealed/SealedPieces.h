#pragma once
// The content of a version-1 sealed file: secretstream messages, each a u32
// length L (17..1 MiB + 17) and L sealed bytes; the last is tagged FINAL and ends
// the file. Read, never written any more.

#include <sodium.h>

#include <functional>
#include <vector>

#include "BinaryFile.h"
#include "ByteStream.h"
#include "Error.h"

namespace modVW {

class PieceReader : public vw::ByteSource {
public:
    using Turn = std::function<void(uint64_t done, uint64_t total)>;
    // `in` stands at the first message; `streamHeader` is the header's 24 bytes.
    PieceReader(vw::FileReader& in, const uint8_t* streamHeader, const uint8_t* key,
                vw::Error damaged, Turn turn);
    ~PieceReader() override;
    PieceReader(const PieceReader&) = delete;
    PieceReader& operator=(const PieceReader&) = delete;

    // The first message's text, which must not be the FINAL one.
    std::vector<uint8_t> FirstMessage();
    size_t Read(uint8_t* data, size_t len) override;

private:
    // Reads and opens the next message into `plain_`; returns its tag.
    uint8_t Next();

    vw::FileReader& in_;
    vw::Error damaged_;
    Turn turn_;
    std::vector<uint8_t> sealed_, plain_;
    size_t at_ = 0;
    bool final_ = false;
    crypto_secretstream_xchacha20poly1305_state state_;
};

}  // namespace modVW
