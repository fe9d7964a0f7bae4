#include "SealedProcedures.h"

#include <optional>

#include "EncryptedRecord.h"
#include "FolderPackaging.h"
#include "Guard.h"
#include "Interaction.h"
#include "Procedures.h"
#include "ReplacingWriter.h"
#include "SealedFile.h"
#include "TemporaryPackage.h"
#include "Text1252.h"

namespace modVW {
namespace {

// Derives the keys for one typed password after another until they match the
// file's key check. False when the user cancels or the derivation fails (after
// the error report).
bool AskMatchingKeys(Interaction& ui, const SealedHeader& header, SealedKeys& keys) {
    for (;;) {
        std::string typed = AskPassword(ui, "Sealed file password (letter case matters):");
        if (typed.empty()) return false;
        const bool derived =
            Guarded(ui, [&] { DeriveSealedKeys(typed, header.Salt, header.Cost, ui, keys); });
        WipeText(typed);
        if (!derived) return false;
        if (KeysMatch(header, keys)) return true;
        ui.MsgBox("Error: You have entered an incorrect password.", "Error",
                  MsgStyle::vbExclamation);
    }
}

// The destination takes the place of an old file only once the FINAL message
// has been verified.
void RestoreFile(Interaction& ui, SealedStream& stream, const SealedContents& contents) {
    const std::string name = Text1252::NameFromFile(contents.StoredName);
    const std::string dest =
        ui.ShowSave({"Destination file", FilterForName(name), name, kSaveFlags});
    if (dest.empty() || dest == name) return;
    vw::ReplacingWriter writer(dest);
    stream.ContentTo(writer.Out(), ui);
    writer.Commit({});
}

// The package is verified whole before the folder is asked for and anything is
// extracted, so a damaged file asks nothing more and writes nothing.
void RestoreFolder(Interaction& ui, SealedStream& stream) {
    TemporaryPackage package;
    vw::FileWriter out(package.Path(), vw::FileWriter::Mode::CreateNew, 0600);
    stream.ContentTo(out, ui);
    out.Close();
    const std::string folder =
        ui.BrowseFolders("Please select the folder in which to place the encrypted files:");
    if (folder.empty() || !ui.ReadyToExtract(package.Path(), folder)) return;
    ExtractPackage(package.Path(), folder);
}

}  // namespace

void OpenSealed(Interaction& ui, const std::string& source) {
    std::optional<vw::FileReader> in;
    SealedHeader header;
    if (!Guarded(ui, [&] {
            in.emplace(source);
            header = ReadSealedHeader(*in);
        }))
        return;
    SealedKeys keys;
    if (!AskMatchingKeys(ui, header, keys)) return;
    Guarded(ui, [&] {
        SealedStream stream(*in, header, keys);
        const SealedContents contents = stream.ReadContents();
        if (contents.Kind == SourceKinds::File)
            RestoreFile(ui, stream, contents);
        else
            RestoreFolder(ui, stream);
    });
}

}  // namespace modVW
