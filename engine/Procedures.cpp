#include "Procedures.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include <memory>
#include <optional>
#include <vector>

#include "BeforeWork.h"
#include "Cipher.h"
#include "EncryptedSource.h"
#include "FolderPackaging.h"
#include "Formats.h"
#include "Guard.h"
#include "Interaction.h"
#include "KeyCache.h"
#include "Listing.h"
#include "NotDumpable.h"
#include "PasswordStrength.h"
#include "ProcedureSteps.h"
#include "ReplacingWriter.h"
#include "SealedFile.h"
#include "SealedWriting.h"
#include "StagingFolder.h"
#include "StoredNames.h"
#include "TemporaryPackage.h"
#include "Text1252.h"
#include "TreeArchive.h"

namespace modVW {
namespace {

// A file dialog's type: its name in the user's words, then its pattern.
std::string Filter(Interaction& ui, vw::Template name, const char* pattern) {
    return ui.Words(name) + "|" + pattern;
}

std::string EncryptedFilter(Interaction& ui) {
    return Filter(ui, VW_TEXT("Procedures", "Moravi Vaultwise 3.5 files (*.vw3)"), "*.vw3");
}

std::string AllFilesFilter(Interaction& ui) {
    return Filter(ui, VW_TEXT("Procedures", "All Files (*.*)"), "*.*");
}

void ShowRefusal(Interaction& ui, vw::Template text) {
    ui.MsgBox(ui.Words(text), ui.Words(VW_TEXT("Procedures", "Error")), MsgStyle::vbExclamation);
}

// A warning about work that was done (permissions a filesystem cannot keep).
void ShowWarning(Interaction& ui, const vw::Text& text) {
    if (!text.IsEmpty())
        ui.MsgBox(ui.Words(text), ui.Words(VW_TEXT("Procedures", "Warning")),
                  MsgStyle::vbInformation);
}

struct NewPasswordPrompts {
    vw::Template First;
    vw::Template Confirm;
};
constexpr NewPasswordPrompts kClassicPrompts{
    VW_TEXT("Procedures", "Please enter a password for the encrypted file:"),
    VW_TEXT("Procedures", "Please confirm the password for the encrypted file:")};
// A sealed file's password is used as typed, so the user is told that case counts.
constexpr NewPasswordPrompts kSealedPrompts{
    VW_TEXT("Procedures", "New sealed file password (letter case matters):"),
    VW_TEXT("Procedures", "Confirm the password (letter case matters):")};

// Asks for a new password twice until both answers agree; "" when cancelled.
std::string AskAgreedPassword(Interaction& ui, const NewPasswordPrompts& prompts,
                              NewPasswordFor use) {
    for (;;) {
        std::string first = ui.NewPasswordDialog(ui.Words(prompts.First), use);
        if (first.empty()) return "";
        std::string second = AskPassword(ui, prompts.Confirm);
        if (second.empty()) {  // cancelled, as at the first question
            WipeText(first);
            return "";
        }
        const bool same = first == second;
        WipeText(second);
        if (same) return first;
        WipeText(first);
        ShowRefusal(ui, VW_TEXT("Procedures", "Error: The passwords you have typed do not match."));
    }
}

// Asks for the password until `file` opens with it, unless a known one does; a
// typed one that opens it becomes known. Done once it opens; Stopped when the user
// cancels, Failed when the file cannot be read (after the error report).
ItemEnd AskMatchingPassword(Interaction& ui, EncryptedSource& file, KnownPasswords& known) {
    for (const auto& password : known.List) {
        bool opens = false;
        if (!Guarded(ui, [&] { opens = file.Opens(password, ui); }))
            return ui.Cancelled() ? ItemEnd::Stopped : ItemEnd::Failed;
        if (opens) return ItemEnd::Done;
    }
    for (;;) {
        std::string typed = AskPassword(ui, file.PasswordPrompt());
        if (typed.empty()) return ItemEnd::Stopped;
        bool opens = false;
        const bool checked = Guarded(ui, [&] { opens = file.Opens(typed, ui); });
        if (checked && opens) known.List.push_back(typed);  // wiped when the batch ends
        WipeText(typed);
        if (checked && opens) return ItemEnd::Done;
        if (!checked) return ui.Cancelled() ? ItemEnd::Stopped : ItemEnd::Failed;
        ShowRefusal(ui, VW_TEXT("Procedures", "Error: You have entered an incorrect password."));
    }
}

// The stored name of one sealed file holding several items: its own name
// without ".vws".
std::string StoredNameOfItems(const std::string& dest) {
    std::string name = LastName(dest);
    if (IsSealedName(name) && name.size() > 4) name.resize(name.size() - 4);
    return name;
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

// The special files a tree left out, one per line.
vw::Text SkippedMessage(const std::vector<std::string>& skipped) {
    std::string names;
    for (const auto& path : skipped)
        names += "\n  " + VisibleName(path);
    return vw::Text(VW_TEXT("Procedures", "Not encrypted (special files are left out):%1"),
                    {names});
}

// The destination takes the place of an old file only once the whole payload is
// written and checked; until then the source may be the destination itself. The
// dialog opens beside the encrypted file, with the stored name.
void RestoreFile(Interaction& ui, EncryptedSource& file, const std::string& source) {
    const std::string name = Text1252::NameFromFile(file.StoredName());
    const std::string dest =
        ui.ShowSave({ui.Words(VW_TEXT("Procedures", "Destination file")), FilterForName(ui, name),
                     name, kSaveFlags, FolderPart(source), false});
    if (dest.empty() || dest == name) return;
    vw::ReplacingWriter writer(dest);
    file.PayloadTo(writer.Out(), ui);
    const vw::Text warning = writer.Commit({});
    ui.Wrote(dest);
    ShowWarning(ui, warning);
}

// A new folder beside the encrypted file, named after the folder it holds: a
// tree's stored name, or (a classic record stores no folder name) the encrypted
// file's name without its extension; never the encrypted file's own name.
std::string ProposedFolder(const EncryptedSource& file, const std::string& source) {
    std::string name = file.HoldsTree() ? Text1252::NameFromFile(file.StoredName()) : "";
    if (!IsPlainName(name)) {
        name = LastName(source);
        const auto dot = name.rfind('.');
        if (dot != std::string::npos && dot > 0) name.resize(dot);
    }
    if (name == LastName(source)) name += " (decrypted)";
    const std::string folder = FolderPart(source);
    return folder.empty() ? name : folder == "/" ? "/" + name : folder + "/" + name;
}

// A folder of either format, a package or a whole tree, is unpacked into a
// staging folder as its payload arrives; only once the payload has ended whole
// are the files that would replace existing ones asked about (however deep:
// folders merge into the folders that are there), and then all are put in
// place. A damaged file places nothing.
void RestoreFolder(Interaction& ui, EncryptedSource& file, const std::string& source) {
    const std::string folder =
        ui.BrowseFoldersFrom(ui.Words(VW_TEXT("Procedures",
                                              "Please select the folder in which to "
                                              "place the encrypted files:")),
                             ProposedFolder(file, source));
    if (folder.empty()) return;
    // The chosen folder may be a new name; made here, it goes again unless the
    // entries are put in it.
    struct MadeFolder {
        std::string path;
        ~MadeFolder() {
            if (!path.empty()) ::rmdir(path.c_str());
        }
    } made;
    if (::mkdir(folder.c_str(), 0777) == 0)
        made.path = folder;
    else if (errno != EEXIST)
        throw vw::ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot create the folder"), folder);
    vw::StagingFolder staging(folder);
    vw::EntryTree entries;
    if (file.HoldsTree())
        vw::tree::ExtractTree(file.TreePayload(), staging.Fd(), folder, entries,
                              DamagedError(source));
    else
        for (const auto& f : UnpackPayload(file, staging, folder, source, ui)) {
            vw::TreeEntry entry;
            entry.size = static_cast<uint64_t>(std::max(f.fileSize, 0));
            entries.Add(f.name, std::move(entry));
        }
    const vw::Placement plan = staging.Plan(entries);
    // The question shows all the folder holds under its details.
    const auto replaced = ReplacedPaths(entries, plan);
    if (!AgreedToReplace(ui, replaced, folder,
                         replaced.empty() ? "" : ui.Words(ListingText(entries, file.HoldsTree()))))
        return;
    staging.Commit(entries, plan);
    made.path.clear();
    ui.Wrote(folder);
}

}  // namespace

std::string FilterForName(Interaction& ui, const std::string& name) {
    if (name.empty()) return AllFilesFilter(ui);
    const std::string ext = ExtensionPart(name);
    return ui.Words(vw::Text(VW_TEXT("Procedures", "%1 Files (*.%2)"), {UpperName(ext), ext})) +
           "|*." + ext + "|" + AllFilesFilter(ui);
}

std::string SealedFilter(Interaction& ui) {
    return Filter(ui, VW_TEXT("Procedures", "Sealed Vaultwise files (*.vws)"), "*.vws");
}

std::string AskPassword(Interaction& ui, const vw::Text& prompt) {
    return ui.PasswordDialog(ui.Words(prompt));
}

std::string FileNamePart(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(slash + 1);
}

std::string LastName(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderPart(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return std::string();
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

bool IsPlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

std::string ExtensionPart(const std::string& name) {
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string AskNewPassword(Interaction& ui, bool sealed) {
    if (!sealed) return AskAgreedPassword(ui, kClassicPrompts, NewPasswordFor::ClassicFile);
    for (;;) {
        std::string password = AskAgreedPassword(ui, kSealedPrompts, NewPasswordFor::SealedFile);
        if (password.empty()) return "";
        const PasswordAdvice advice = AdviseOn(password, kNewFileCost);
        if (!advice.Weak || ui.GoOn(ui.Words(WeakPasswordText(advice)),
                                    ui.Words(VW_TEXT("Procedures", "Weak Password"))))
            return password;
        WipeText(password);
    }
}

bool ListClassicFolder(Interaction& ui, EncryptionPlan& plan) {
    return Guarded(ui, [&] { plan.Folder = ListFolderToPack(ui, plan.Source); }) && plan.Folder &&
           AgreedToLeaveOut(ui, plan.Folder->skipped);
}

bool WriteEncryption(Interaction& ui, const EncryptionPlan& plan, const std::string& password,
                     KeyCache& keys) {
    std::vector<std::string> skipped;  // a tree's special files, left out
    const std::string stored = Text1252::NameToFile(
        plan.Items.empty() ? FileNamePart(plan.Source) : StoredNameOfItems(plan.Dest));
    const bool done = Guarded(ui, [&] {
        vw::ReplacingWriter writer(plan.Dest);
        vw::Text warning;
        if (!plan.Items.empty()) {
            SealItems(plan.Items, writer.Out(), password, stored, ui, skipped, keys);
            warning = writer.Commit({.newFileMode = 0600});
        } else if (plan.Tree()) {
            SealTree(plan.Source, writer.Out(), password, stored, ui, skipped, &keys);
            warning = writer.Commit({.newFileMode = 0600});
        } else if (plan.Folder) {
            // The package holds the folder's plain contents: the record is its owner's only.
            EncryptFolderToRecord(*plan.Folder, writer.Out(), password, ui);
            warning = writer.Commit({.newFileMode = 0600});
        } else {
            vw::FileReader in(plan.Source);
            WriteEncrypted(plan.Sealed, in, writer.Out(), password, plan.Kind,
                           FileNamePart(plan.Source), ui, keys);
            // An encrypted file is as private as its source.
            warning = writer.Commit({.newFileMode = in.Mode()});
        }
        ui.Wrote(plan.Dest);
        ShowWarning(ui, warning);
    });
    // A tree leaves out only special files, found while it is written: told after.
    if (done && !skipped.empty())
        ui.MsgBox(ui.Words(SkippedMessage(skipped)),
                  ui.Words(VW_TEXT("Procedures", "Encrypt Folder")), MsgStyle::vbInformation);
    return done;
}

KnownPasswords::~KnownPasswords() {
    for (auto& password : List)
        WipeText(password);
}

ItemEnd OpenItem(Interaction& ui, const std::string& source, KeyCache& keys, KnownPasswords& known,
                 std::unique_ptr<EncryptedSource>& file) {
    if (!Guarded(ui, [&] { file = OpenEncrypted(source, keys); })) return ItemEnd::Failed;
    return AskMatchingPassword(ui, *file, known);
}

ItemEnd DecryptItem(Interaction& ui, const std::string& source, KeyCache& keys,
                    KnownPasswords& known) {
    std::unique_ptr<EncryptedSource> file;
    if (const ItemEnd opened = OpenItem(ui, source, keys, known, file); opened != ItemEnd::Done)
        return opened;
    const bool done = Guarded(ui, [&] {
        if (file->Kind() == SourceKinds::File)
            RestoreFile(ui, *file, source);
        else
            RestoreFolder(ui, *file, source);
    });
    return done ? ItemEnd::Done : ui.Cancelled() ? ItemEnd::Stopped : ItemEnd::Failed;
}

void Encrypt(Interaction& ui, int16_t SourceKind, const std::string& SourcePath,
             OutputFormat format) {
    const vw::NotDumpable secrets;  // a password is typed and a key made below
    RemoveLeftoverPackage();        // what killed runs left, wherever they wrote
    EncryptionPlan plan;
    plan.Kind = SourceKind;
    std::optional<vw::Error> refused;  // why a classic file cannot hold the folder
    std::string chosen = SourcePath;   // the file or folder the user knows
    if (SourceKind == SourceKinds::Folder) {
        if (chosen.empty())
            chosen = ui.BrowseFolders(
                ui.Words(VW_TEXT("Procedures", "Please select a folder to encrypt:")));
        if (chosen.empty()) return;
        plan.Source = chosen;
        // A sealed file holds the whole tree; the listing is for a classic file, and
        // made before the save question, as ever. A folder the package refuses (too
        // large, a name it cannot store) may still be sealed: its refusal waits for
        // the answer.
        if (format != OutputFormat::Sealed && !Guarded(ui, [&] {
                try {
                    plan.Folder = ListFolderToPack(ui, plan.Source);
                } catch (const vw::Error& e) {
                    refused = e;
                }
            }))
            return;
    } else {
        plan.Source = SourcePath;
        if (plan.Source.empty())
            plan.Source =
                ui.ShowOpen({ui.Words(VW_TEXT("Procedures", "Encrypt File")), AllFilesFilter(ui),
                             "", DialogFlags::OFN_HIDEREADONLY, "", false});
        if (plan.Source.empty()) return;
        if (!Guarded(ui, [&] { CheckStorableNames({plan.Source}); })) return;
        chosen = plan.Source;
    }

    // Beside the source, named after it; the dialog's type may change the extension.
    plan.Dest =
        ui.ShowSave({ui.Words(VW_TEXT("Procedures", "Destination encrypted file")),
                     EncryptedFilter(ui) + "|" + AllFilesFilter(ui) + "|" + SealedFilter(ui),
                     LastName(chosen) + (format == OutputFormat::Sealed ? ".vws" : ".vw3"),
                     kSaveFlags, FolderPart(chosen), true});
    if (plan.Dest.empty()) return;
    plan.Sealed = format == OutputFormat::Sealed || IsSealedName(plan.Dest);
    if (plan.Tree()) plan.Folder.reset();
    if (refused && !plan.Tree()) {
        ShowErrorReport(ui, refused->Number(), refused->Message());
        return;
    }
    // Asked before anything is encrypted, so a folder that would lose too much can
    // still go into a sealed file, or not at all.
    if (plan.Folder && !AgreedToLeaveOut(ui, plan.Folder->skipped)) return;
    std::string password = AskNewPassword(ui, plan.Sealed);
    if (password.empty()) return;
    KeyCache keys;
    WriteEncryption(ui, plan, password, keys);
    WipeText(password);
}

void Decrypt(Interaction& ui, const std::string& SourcePath) {
    const vw::NotDumpable secrets;  // a password is typed and a key made below
    RemoveLeftoverPackage();        // what killed runs left, wherever they wrote
    std::string source = SourcePath;
    if (source.empty()) {
        source =
            ui.ShowOpen({ui.Words(VW_TEXT("Procedures", "Source encrypted file")),
                         AllFilesFilter(ui) + "|" + EncryptedFilter(ui) + "|" + SealedFilter(ui),
                         "", DialogFlags::OFN_HIDEREADONLY, "", false});
        if (source.empty()) return;
    }
    KeyCache keys;
    KnownPasswords known;
    DecryptItem(ui, source, keys, known);
}

}  // namespace modVW
