// Arbitrary bytes as a sealed file: the header checks, the key check, the first
// message and the content stream, in the order the decrypt procedure meets them.
// A damaged file must fail with the damaged error; only a cheap key cost is
// derived, so a hostile header cannot make an iteration slow (the bounds
// themselves are checked before any derivation).

#include <cstdio>
#include <cstdlib>

#include "Error.h"
#include "FuzzFile.h"
#include "QuietInteraction.h"
#include "SealedFile.h"

using namespace modVW;

namespace {

// The password the corpus files were sealed with.
const std::string kPassword = "fuzz";
constexpr SealedCost kCheapest{2, 64 * 1024};

void RequireDamaged(const vw::Error& e, const char* where) {
    RequireText(e.Description(), where);
    if (e.Number() != vw::ErrorNumber::InvalidFileFormat) {
        std::fprintf(stderr, "%s: not the damaged error: %s\n", where, e.Report().c_str());
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzFile file("sealed.vws");
    static FuzzFile restored("restored");
    file.Write(data, size);
    QuietInteraction ui;
    try {
        vw::FileReader in(file.Path());
        const SealedHeader header = ReadSealedHeader(in);
        if (header.Cost.Passes > kCheapest.Passes ||
            header.Cost.MemoryBytes > kCheapest.MemoryBytes)
            return 0;
        SealedKeys keys;
        DeriveSealedKeys(kPassword, header.Salt, header.Cost, ui, keys);
        if (!KeysMatch(header, keys)) return 0;
        SealedStream stream(in, header, keys);
        stream.ReadContents();
        vw::FileWriter out(restored.Path(), vw::FileWriter::Mode::Truncate);
        stream.ContentTo(out, ui);
    } catch (const vw::Error& e) {
        RequireDamaged(e, "the sealed reader");
    }
    return 0;
}
