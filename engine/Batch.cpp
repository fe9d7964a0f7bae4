#include "Batch.h"

#include <sys/stat.h>

#include "EncryptedSource.h"
#include "Guard.h"
#include "KeyCache.h"
#include "NotDumpable.h"
#include "ProcedureSteps.h"
#include "Procedures.h"
#include "SealedFile.h"
#include "SealedKey.h"
#include "StoredNames.h"
#include "TemporaryPackage.h"

namespace modVW {
namespace {

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

bool IsFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string Joined(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

// Answers the decryption's destination questions beside the encrypted file: a
// file under its stored name (asked about when one exists), a folder in the new
// folder proposed for it. Everything else goes to the user's interface.
class BesideSource : public Interaction {
public:
    explicit BesideSource(Interaction& ui) : ui_(ui) {}

    std::string ShowSave(const FileDialogRequest& request) override {
        // A name that is no plain name is the user's to place.
        if (!IsPlainName(request.InitialName)) return ui_.ShowSave(request);
        const std::string path = Joined(request.InitialFolder, request.InitialName);
        if (Exists(path) && !ui_.GoOn(ui_.Words(ReplaceItemText(path)),
                                      ui_.Words(VW_TEXT("Procedures", "Replace File"))))
            return "";
        return path;
    }
    std::string BrowseFoldersFrom(const std::string&, const std::string& proposal) override {
        return proposal;
    }

    std::string ShowOpen(const FileDialogRequest& request) override {
        return ui_.ShowOpen(request);
    }
    std::string BrowseFolders(const std::string& title) override {
        return ui_.BrowseFolders(title);
    }
    std::string PasswordDialog(const std::string& prompt) override {
        return ui_.PasswordDialog(prompt);
    }
    std::string Words(const vw::Text& text) override { return ui_.Words(text); }
    std::string NewPasswordDialog(const std::string& prompt, NewPasswordFor use) override {
        return ui_.NewPasswordDialog(prompt, use);
    }
    int Choose(const std::string& text, const std::string& title,
               const std::vector<std::string>& choices) override {
        return ui_.Choose(text, title, choices);
    }
    void MsgBox(const std::string& text, const std::string& title, int style) override {
        ui_.MsgBox(text, title, style);
    }
    void DoEvents() override { ui_.DoEvents(); }
    bool Cancelled() override { return ui_.Cancelled(); }
    bool GoOn(const std::string& text, const std::string& title,
              const std::string& details) override {
        return ui_.GoOn(text, title, details);
    }
    void WorkingOn(size_t number, size_t count, const std::string& name) override {
        ui_.WorkingOn(number, count, name);
    }
    void Wrote(const std::string& path) override { ui_.Wrote(path); }
    bool ReadyToReplace(const std::vector<std::string>& names, const std::string& folder) override {
        return ui_.ReadyToReplace(names, folder);
    }

private:
    Interaction& ui_;
};

vw::Text FormatQuestion(size_t count) {
    return vw::Text(VW_TEXT_N("Procedures",
                              "Encrypt these %n items as classic .vw3 files (their contents are "
                              "not protected), as sealed .vws files, one beside each, or as one "
                              "sealed .vws file holding them all?",
                              "Encrypt this %n item as a classic .vw3 file (its contents are not "
                              "protected), as a sealed .vws file beside it, or as one sealed .vws "
                              "file holding it?"),
                    static_cast<long long>(count));
}

// One output per item beside its source, with the questions it needs asked now,
// before any work: the items the user keeps out are left out of the plans.
std::vector<EncryptionPlan> ItemPlans(Interaction& ui, const std::vector<std::string>& sources,
                                      bool sealed) {
    std::vector<EncryptionPlan> plans;
    for (const auto& source : sources) {
        EncryptionPlan plan;
        plan.Source = source;
        plan.Kind = IsFolder(source) ? SourceKinds::Folder : SourceKinds::File;
        plan.Sealed = sealed;
        std::string base = source;
        while (base.size() > 1 && base.back() == '/')
            base.pop_back();
        plan.Dest = base + (sealed ? ".vws" : ".vw3");
        if (!Guarded(ui, [&] { CheckStorableNames({source}); })) continue;
        if (plan.Kind == SourceKinds::Folder && !sealed && !ListClassicFolder(ui, plan)) {
            if (ui.Cancelled()) return {};
            continue;
        }
        if (Exists(plan.Dest) && !ui.GoOn(ui.Words(ReplaceItemText(plan.Dest)),
                                          ui.Words(VW_TEXT("Procedures", "Replace File"))))
            continue;
        plans.push_back(std::move(plan));
    }
    return plans;
}

// The one sealed file holding every item, where the user saves it.
std::vector<EncryptionPlan> AllInOnePlan(Interaction& ui, const std::vector<std::string>& sources) {
    const std::string folder = FolderPart(sources.front());  // where a selection is
    EncryptionPlan plan;
    plan.Kind = SourceKinds::Folder;
    plan.Sealed = true;
    plan.Items = sources;
    plan.Dest = ui.ShowSave({ui.Words(VW_TEXT("Procedures", "Destination encrypted file")),
                             SealedFilter(ui),
                             LastName(folder.empty() ? std::string("items") : folder) + ".vws",
                             kSaveFlags, folder, false});
    if (plan.Dest.empty()) return {};
    return {plan};
}

}  // namespace

vw::Text ReplaceItemText(const std::string& path) {
    return vw::Text(VW_TEXT("Procedures",
                            "'%1' already exists. Replace it?\n(Cancel keeps it, and "
                            "this item is left out.)"),
                    {VisibleName(path)});
}

void EncryptBatch(Interaction& ui, const std::vector<std::string>& sources) {
    if (sources.empty()) return;
    const vw::NotDumpable secrets;  // a password is typed and keys made below
    RemoveLeftoverPackage();
    const auto count = static_cast<long long>(sources.size());
    const int format = ui.Choose(
        ui.Words(FormatQuestion(sources.size())),
        ui.Words(vw::Text(VW_TEXT_N("Procedures", "Encrypt %n Items", "Encrypt %n Item"), count)),
        {ui.Words(VW_TEXT("Procedures", "Classic .vw3 files")),
         ui.Words(VW_TEXT("Procedures", "Sealed .vws files")),
         ui.Words(VW_TEXT("Procedures", "One sealed .vws file"))});
    if (format < 0) return;
    const std::vector<EncryptionPlan> plans = format == kOneSealedFile
                                                  ? AllInOnePlan(ui, sources)
                                                  : ItemPlans(ui, sources, format == kSealedFiles);
    if (plans.empty()) return;
    std::string password = AskNewPassword(ui, format != kClassicFiles);
    if (password.empty()) return;
    KeyCache keys;  // one salt and one derivation for the batch's sealed files
    for (size_t i = 0; i < plans.size(); ++i) {
        if (plans.size() > 1) ui.WorkingOn(i + 1, plans.size(), LastName(plans[i].Source));
        if (!WriteEncryption(ui, plans[i], password, keys) && ui.Cancelled()) break;
    }
    WipeText(password);
}

void DecryptBatch(Interaction& ui, const std::vector<std::string>& sources) {
    const vw::NotDumpable secrets;  // passwords are typed and keys made below
    RemoveLeftoverPackage();
    BesideSource beside(ui);
    KeyCache keys;  // files sealed together open with one derivation
    KnownPasswords known;
    for (size_t i = 0; i < sources.size(); ++i) {
        if (sources.size() > 1) ui.WorkingOn(i + 1, sources.size(), LastName(sources[i]));
        if (DecryptItem(beside, sources[i], keys, known) == ItemEnd::Stopped) break;
    }
}

}  // namespace modVW
