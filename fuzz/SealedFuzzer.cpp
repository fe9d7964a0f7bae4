// Arbitrary bytes as a sealed file, read in the order the decrypt procedure reads
// one: header, key check, first message, content. Every refusal must be the
// damaged error. Keys are derived only at a cheap cost (the corpus's), so a header
// that asks for more cannot make an iteration slow.

#include "Error.h"
#include "FuzzSupport.h"
#include "SealedFile.h"

using namespace modVW;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzFile file("sealed.vws");
    static FuzzFile restored("restored");
    file.Write(data, size);
    ScriptedInteraction ui;  // nothing to answer: only DoEvents is called
    try {
        vw::FileReader in(file.Path());
        const SealedHeader header = ReadSealedHeader(in);
        if (header.Cost.Passes > 2 || header.Cost.MemoryBytes > 64 * 1024) return 0;
        SealedKeys keys;
        DeriveSealedKeys("fuzz", header.Salt, header.Cost, ui, keys);
        if (!KeysMatch(header, keys)) return 0;
        SealedStream stream(in, header, keys);
        stream.ReadContents();
        vw::FileWriter out(restored.Path(), vw::FileWriter::Mode::Truncate);
        stream.ContentTo(out, ui);
    } catch (const vw::Error& e) {
        if (e.Number() != vw::ErrorNumber::InvalidFileFormat || e.Description().empty())
            Finding("not the damaged error: " + e.Report());
    }
    return 0;
}
