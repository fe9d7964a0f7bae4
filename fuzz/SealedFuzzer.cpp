// Arbitrary bytes as a sealed file of either version, read in the order the
// decrypt procedure reads one: header, key check, contents, content to its
// verified end. Every refusal must be the damaged error. Keys are derived only at
// a cheap cost (the corpus's, password "fuzz"), so a header that asks for more
// cannot make an iteration slow.

#include "Error.h"
#include "FuzzSupport.h"
#include "SealedFile.h"

using namespace modVW;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzFile file("sealed.vws");
    file.Write(data, size);
    try {
        vw::FileReader in(file.Path());
        const SealedHeader header = ReadSealedHeader(in);
        if (header.Cost.Passes > 2 || header.Cost.MemoryBytes > 64 * 1024) return 0;
        SealedKeys keys;
        DeriveSealedKeys(
            "fuzz", header.Salt, header.Cost, [] {}, keys);
        if (!KeysMatch(header, keys)) return 0;
        SealedSource source(in, header, keys, {});
        static uint8_t sink[1 << 16];
        while (source.Read(sink, sizeof sink) != 0) {
        }
    } catch (const vw::Error& e) {
        if (e.Number() != vw::ErrorNumber::InvalidFileFormat || e.Description().empty())
            Finding("not the damaged error: " + e.Report());
    }
    return 0;
}
