#pragma once
// The two ends of a payload that is streamed rather than staged in a file: a
// folder is written as a package or an archive into a ByteSink (the cipher of
// the chosen format, then the output), and read back from a ByteSource (the
// deciphered payload) straight into the folder it is extracted to. Nothing in
// between holds more than a chunk.

#include <cstddef>
#include <cstdint>

namespace vw {

// Bytes handed on in order. Write takes all `len` bytes or throws vw::Error.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void Write(const uint8_t* data, size_t len) = 0;
};

// Bytes taken in order. Read fills at most `len` bytes of `data` and returns how
// many; 0 means the end. A damaged or failing source throws vw::Error.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual size_t Read(uint8_t* data, size_t len) = 0;
};

}  // namespace vw
