#include "Procedures.h"

#include <unistd.h>

#include <optional>
#include <vector>

#include "Cipher.h"
#include "FolderPackaging.h"
#include "Guard.h"
#include "Interaction.h"
#include "RecordFile.h"
#include "ReplacingWriter.h"
#include "SealedFile.h"
#include "SealedProcedures.h"
#include "StoredNames.h"
#include "StreamCipher.h"
#include "TemporaryPackage.h"
#include "Text1252.h"

namespace modVW {
namespace {

constexpr const char* kEncryptedFilter = "Moravi Vaultwise 3.5 files (*.vw3)|*.vw3";
constexpr const char* kAllFilesFilter = "All Files (*.*)|*.*";
constexpr const char* kSealedFilter = "Sealed Vaultwise files (*.vws)|*.vws";

void ShowRefusal(Interaction& ui, const std::string& text) {
    ui.MsgBox(text, "Error", MsgStyle::vbExclamation);
}

struct NewPasswordPrompts {
    const char* First;
    const char* Confirm;
};
constexpr NewPasswordPrompts kClassicPrompts{"Please enter a password for the encrypted file:",
                                             "Please confirm the password for the encrypted file:"};
// A sealed file's password is used as typed, so the user is told that case counts.
constexpr NewPasswordPrompts kSealedPrompts{"New sealed file password (letter case matters):",
                                            "Confirm the password (letter case matters):"};

// Asks for a new password twice until both answers agree; "" when cancelled.
std::string AskNewPassword(Interaction& ui, const NewPasswordPrompts& prompts) {
    for (;;) {
        std::string first = AskPassword(ui, prompts.First);
        if (first.empty()) return "";
        std::string second = AskPassword(ui, prompts.Confirm);
        const bool same = first == second;
        WipeText(second);
        if (same) return first;
        WipeText(first);
        ShowRefusal(ui, "Error: The passwords you have typed do not match.");
    }
}

// Reads the record anew for every attempt until the password matches. Nothing
// when the user cancels or the file cannot be read (after the error report).
std::optional<RecordLayout> AskMatchingPassword(Interaction& ui, const std::string& source) {
    for (;;) {
        const std::string typed =
            AskPassword(ui, "Please enter the password for the encrypted file:");
        if (typed.empty()) return std::nullopt;
        RecordLayout layout;
        if (!Guarded(ui, [&] { layout = ReadRecordLayout(source); })) return std::nullopt;
        if (CheckPassword(layout.Fields, typed, ui)) return layout;
        ShowRefusal(ui, "Error: You have entered an incorrect password.");
    }
}

// Upper case as Windows-1252 knows it; other characters stay as they are.
std::string UpperName(const std::string& utf8) {
    if (const auto codes = Text1252::FromUtf8Strict(utf8))
        return Text1252::ToUtf8(Text1252::Upper(*codes));
    std::string text = utf8;
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// The folder entries that were not encrypted, one per line.
std::string SkippedMessage(const std::vector<std::string>& skipped) {
    std::string text =
        "Not encrypted (symbolic links, special files and names beginning with a dot are "
        "left out):";
    for (const auto& path : skipped)
        text += "\n  " + VisibleName(path);
    return text;
}

void RestoreSingleFile(Interaction& ui, const std::string& source, const RecordLayout& layout) {
    const std::string name = Text1252::NameFromFile(layout.Fields.SourceName);
    const std::string dest =
        ui.ShowSave({"Destination file", FilterForName(name), name, kSaveFlags});
    if (dest.empty() || dest == name) return;
    // The old file goes only when the new one is complete; until then the source
    // may be the destination itself.
    vw::ReplacingWriter writer(dest);
    DecipherPayloadTo(source, layout, writer.Out(), ui);
    writer.Commit({});
}

}  // namespace

std::string FilterForName(const std::string& name) {
    if (name.empty()) return kAllFilesFilter;
    const std::string ext = ExtensionPart(name);
    return UpperName(ext) + " Files (*." + ext + ")|*." + ext + "|" + kAllFilesFilter;
}

std::string AskPassword(Interaction& ui, const std::string& prompt) {
    return ui.PasswordDialog(prompt);
}

std::string FileNamePart(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(slash + 1);
}

std::string ExtensionPart(const std::string& name) {
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

void Encrypt(Interaction& ui, int16_t SourceKind, const std::string& SourcePath,
             OutputFormat format) {
    std::optional<FolderListing> folder;      // a folder's files, read only once encrypting
    std::optional<TemporaryPackage> package;  // a sealed folder's, removed on every way out
    std::string source = SourcePath;
    if (SourceKind == SourceKinds::Folder) {
        if (!Guarded(ui, [&] { folder = ListFolderToPack(ui, SourcePath); })) return;
        if (!folder) return;
    } else {
        if (source.empty())
            source =
                ui.ShowOpen({"Encrypt File", kAllFilesFilter, "", DialogFlags::OFN_HIDEREADONLY});
        if (source.empty()) return;
        if (!Guarded(ui, [&] { CheckStorableNames({source}); })) return;
    }

    const std::string dest =
        ui.ShowSave({"Destination encrypted file",
                     std::string(kEncryptedFilter) + "|" + kAllFilesFilter + "|" + kSealedFilter,
                     "", kSaveFlags});
    if (dest.empty()) return;
    const bool sealed = format == OutputFormat::Sealed || IsSealedName(dest);
    std::string password = AskNewPassword(ui, sealed ? kSealedPrompts : kClassicPrompts);
    if (password.empty()) return;

    const bool done = Guarded(ui, [&] {
        if (folder && !sealed) return EncryptFolderToRecord(*folder, dest, password, ui);
        if (folder) {
            package.emplace();
            PackListing(ui, *folder, package->Path());
            source = package->Path();
        }
        if (sealed)
            SealFile(source, dest, password, SourceKind, ui);
        else
            EncryptFileToRecord(source, dest, password, SourceKind, ui);
    });
    WipeText(password);
    if (!done) return;
    // An encryption without a temporary package of its own tidies up after killed runs.
    if (!package) RemoveLeftoverPackage();
    // Told once the work is done, so the classic questions keep their order.
    if (folder && !folder->skipped.empty())
        ui.MsgBox(SkippedMessage(folder->skipped), "Encrypt Folder", MsgStyle::vbInformation);
}

void Decrypt(Interaction& ui, const std::string& SourcePath) {
    std::string source = SourcePath;
    if (source.empty()) {
        source = ui.ShowOpen(
            {"Source encrypted file",
             std::string(kAllFilesFilter) + "|" + kEncryptedFilter + "|" + kSealedFilter, "",
             DialogFlags::OFN_HIDEREADONLY});
        if (source.empty()) return;
    }
    if (IsSealedFile(source)) {
        OpenSealed(ui, source);
        return;
    }
    const auto layout = AskMatchingPassword(ui, source);
    if (!layout) return;

    Guarded(ui, [&] {
        if (layout->Fields.SourceKind == SourceKinds::File) {
            RestoreSingleFile(ui, source, *layout);
        } else {
            TemporaryPackage package;
            UnpackFolder(ui, source, *layout, package.Path());
        }
    });
}

}  // namespace modVW
