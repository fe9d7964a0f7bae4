#include "EntryCompression.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "Error.h"

namespace vw::stuf {
namespace {

Text ZlibText(int rc) {
    switch (rc) {
        case Z_MEM_ERROR:
            return VW_TEXT("Package", "not enough memory");
        case Z_BUF_ERROR:
            return VW_TEXT("Package", "the output does not fit");
        case Z_DATA_ERROR:
            return VW_TEXT("Package", "the data is damaged");
        case Z_STREAM_ERROR:
            return VW_TEXT("Package", "invalid parameter");
        case Z_NEED_DICT:
            return VW_TEXT("Package", "the stream needs a preset dictionary");
        default:
            return Text(VW_TEXT("Package", "error %1"), {std::to_string(rc)});
    }
}

int NumberFor(int rc) {
    return rc == Z_MEM_ERROR ? ErrorNumber::OutOfMemory : ErrorNumber::InvalidCall;
}

// Damage has the number a damaged record file gets.
Error DamagedEntry(const std::string& entry, Text why) {
    return Error(ErrorNumber::InvalidFileFormat,
                 entry.empty()
                     ? Text(VW_TEXT("Package", "Compressed entry is damaged: %1"), {std::move(why)})
                     : Text(VW_TEXT("Package", "Compressed entry %1 is damaged: %2"),
                            {entry, std::move(why)}));
}

// A work buffer that is not filled with zeros first: untouched pages cost nothing.
std::unique_ptr<uint8_t[]> WorkBuffer(uint64_t n) {
    if (n > std::numeric_limits<size_t>::max() / 2)
        throw Error(ErrorNumber::OutOfMemory, VW_TEXT("Errors", "Out of memory"));
    return std::unique_ptr<uint8_t[]>(new uint8_t[static_cast<size_t>(std::max<uint64_t>(n, 1))]);
}

}  // namespace

uint64_t EntryCapacity(uint64_t n) {
    const double x = static_cast<double>(n);
    // Rounded to the nearest whole number, ties to even (nearbyint in the default
    // rounding mode), so packages made on either platform agree.
    return static_cast<uint64_t>(std::nearbyint(x * 1.01 + x + 12.0));
}

uint64_t MaxExpansion(uint64_t compressedLength) {
    return compressedLength * 1040 + 1024;
}

void CompressEntryData(std::vector<uint8_t>& contents, int16_t level) {
    const uint64_t n = contents.size();
    uLongf outLength = static_cast<uLongf>(EntryCapacity(n));
    auto work = WorkBuffer(outLength);
    static const Bytef kNothing = 0;
    const Bytef* source = contents.empty() ? &kNothing : contents.data();
    const int rc = compress2(work.get(), &outLength, source, static_cast<uLong>(n), level);
    if (rc != Z_OK) {
        Text why = ZlibText(rc);
        if (rc == Z_STREAM_ERROR)
            why = Text(VW_TEXT("Package", "compression level %1 is outside 1 to 9"),
                       {std::to_string(level)});
        throw Error(NumberFor(rc), Text(VW_TEXT("Package", "Cannot compress the file: %1"), {why}));
    }
    contents.assign(work.get(), work.get() + outLength);
}

void DecompressEntryData(std::vector<uint8_t>& contents, int32_t fileSize,
                         const std::string& entry) {
    if (fileSize < 0)
        throw DamagedEntry(entry, Text(VW_TEXT("Package", "its recorded length %1 is negative"),
                                       {std::to_string(fileSize)}));
    if (static_cast<uint64_t>(fileSize) > MaxExpansion(contents.size()))
        throw DamagedEntry(entry,
                           Text(VW_TEXT("Package",
                                        "%1 compressed bytes cannot expand to "
                                        "the recorded %2 bytes"),
                                {std::to_string(contents.size()), std::to_string(fileSize)}));
    uLongf outLength = static_cast<uLongf>(EntryCapacity(static_cast<uint64_t>(fileSize)));
    auto work = WorkBuffer(outLength);
    static const Bytef kNothing = 0;
    const Bytef* source = contents.empty() ? &kNothing : contents.data();
    const int rc = uncompress(work.get(), &outLength, source, static_cast<uLong>(contents.size()));
    if (rc != Z_OK)
        throw DamagedEntry(entry, Text(VW_TEXT("Package", "zlib says %1"), {ZlibText(rc)}));
    if (outLength != static_cast<uLongf>(fileSize))
        throw DamagedEntry(entry,
                           Text(VW_TEXT("Package", "it expands to %1 bytes, not the recorded %2"),
                                {std::to_string(outLength), std::to_string(fileSize)}));
    contents.assign(work.get(), work.get() + outLength);
}

struct EntryInflater::Impl {
    z_stream stream{};
    bool initialised = false;
    bool ended = false;
    uint64_t expected = 0;
    uint64_t produced = 0;
    Sink sink;
    std::string entry;
    // Output buffer, no larger than the entry needs and not zero-filled.
    std::unique_ptr<uint8_t[]> out;
    size_t outSize = 0;

    ~Impl() {
        if (initialised) inflateEnd(&stream);
    }
};

EntryInflater::EntryInflater(int32_t fileSize, Sink sink, std::string entry)
    : impl_(std::make_unique<Impl>()) {
    impl_->entry = std::move(entry);
    if (fileSize < 0)
        throw DamagedEntry(impl_->entry,
                           Text(VW_TEXT("Package", "its recorded length %1 is negative"),
                                {std::to_string(fileSize)}));
    impl_->expected = static_cast<uint64_t>(fileSize);
    impl_->outSize = static_cast<size_t>(std::min<uint64_t>(impl_->expected + 1, 256 * 1024));
    impl_->out.reset(new uint8_t[impl_->outSize]);
    impl_->sink = std::move(sink);
    const int rc = inflateInit(&impl_->stream);
    if (rc != Z_OK)
        throw Error(NumberFor(rc),
                    Text(VW_TEXT("Package", "Cannot expand the entry: %1"), {ZlibText(rc)}));
    impl_->initialised = true;
}

EntryInflater::~EntryInflater() = default;

void EntryInflater::Feed(const uint8_t* data, size_t n) {
    Impl& s = *impl_;
    while (n > 0 && !s.ended) {  // bytes after the end of the stream are ignored
        const size_t piece = std::min<size_t>(n, 1u << 30);
        s.stream.next_in = const_cast<Bytef*>(data);
        s.stream.avail_in = static_cast<uInt>(piece);
        do {
            s.stream.next_out = s.out.get();
            s.stream.avail_out = static_cast<uInt>(s.outSize);
            const int rc = inflate(&s.stream, Z_NO_FLUSH);
            if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR)
                throw DamagedEntry(s.entry,
                                   Text(VW_TEXT("Package", "zlib says %1"), {ZlibText(rc)}));
            const size_t got = s.outSize - s.stream.avail_out;
            s.produced += got;
            if (s.produced > s.expected)
                throw DamagedEntry(
                    s.entry,
                    Text(VW_TEXT("Package", "it expands to more than the recorded %1 bytes"),
                         {std::to_string(s.expected)}));
            if (got > 0) s.sink(s.out.get(), got);
            if (rc == Z_STREAM_END) {
                s.ended = true;
                break;
            }
            if (rc == Z_BUF_ERROR) break;  // no progress possible: more input needed
        } while (s.stream.avail_out == 0);
        data += piece;
        n -= piece;
    }
}

void EntryInflater::Finish() {
    const Impl& s = *impl_;
    if (!s.ended) throw DamagedEntry(s.entry, VW_TEXT("Package", "the zlib stream is cut short"));
    if (s.produced != s.expected)
        throw DamagedEntry(s.entry,
                           Text(VW_TEXT("Package", "it expands to %1 bytes, not the recorded %2"),
                                {std::to_string(s.produced), std::to_string(s.expected)}));
}

}  // namespace vw::stuf
