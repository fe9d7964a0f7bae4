#include "Commands.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <set>

#include "CliInteraction.h"
#include "Error.h"
#include "Procedures.h"
#include "RecordFile.h"
#include "RecordSummary.h"
#include "SealedFile.h"
#include "TemporaryPackage.h"
#include "Text1252.h"

namespace fs = std::filesystem;

namespace vw3 {
namespace {

int Failure(const std::string& message) {
    std::cerr << message << '\n';
    return kFailure;
}

int Failure(const vw::Error& e) {
    return Failure(e.Report());
}

std::string Absolute(const std::string& path) {
    return fs::absolute(path).lexically_normal().string();
}

// `text` with control characters shown as "?", so a name from a file cannot
// steer the terminal.
std::string Printable(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return text;
}

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    quoted += text;
    quoted += '\'';
    return quoted;
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

// The password of --password-file: the whole file, one trailing newline ("\n" or
// "\r\n") removed.
std::optional<std::string> PasswordFromFile(const std::string& path, std::string& error) {
    std::string text;
    if (path == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), {});
    } else {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            error = "cannot read the password file '" + path + "'";
            return std::nullopt;
        }
        text.assign(std::istreambuf_iterator<char>(in), {});
    }
    if (!text.empty() && text.back() == '\n') text.pop_back();
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (text.empty()) {
        error = "the password file is empty";
        return std::nullopt;
    }
    return text;
}

// The interaction for a command, or nothing after a usage error in `error`.
std::optional<CliInteraction> MakeInteraction(const Options& o, std::string& error) {
    if (!o.PasswordFile.empty()) {
        auto password = PasswordFromFile(o.PasswordFile, error);
        if (!password) return std::nullopt;
        return CliInteraction(std::move(password), o.Quiet);
    }
    if (!StdinIsTerminal()) {
        error = "no terminal to ask the password on; use --password-file";
        return std::nullopt;
    }
    return CliInteraction(std::nullopt, o.Quiet);
}

// SOURCE followed by `extension`, beside it: "." and "dir/" name the folder they mean.
std::string DefaultEncryptOutput(const std::string& source, const char* extension) {
    std::string path = Absolute(source);
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path + extension;
}

// True when a stored name can be joined to a folder without leaving it.
bool IsPlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

// Why extracting `entries` into `folder` would replace a file: one of them exists
// there, or two share a name. "" when neither.
std::string WouldReplace(const std::vector<modVW::PackageEntryInfo>& entries,
                         const std::string& folder) {
    std::set<std::string> seen;
    // A name that is not plain ("..") is refused by the extraction, which says why.
    for (const auto& entry : entries) {
        if (!IsPlainName(entry.Name)) continue;
        const std::string target = (fs::path(folder) / entry.Name).string();
        if (Exists(target)) return Quoted(Printable(target)) + " exists";
        if (!seen.insert(entry.Name).second)
            return "the package holds two files named " + Quoted(Printable(entry.Name)) +
                   ", and the second would replace the first";
    }
    return "";
}

// The outermost folder of `path` that does not exist yet; "" when `path` exists.
std::string FirstMissingFolder(const std::string& path) {
    std::string missing;
    for (fs::path p = path; !p.empty() && !Exists(p.string()); p = p.parent_path())
        missing = p.string();
    return missing;
}

// Removes the folders made for a failed extraction, unless something was put in them.
void RemoveEmptyFolders(const std::string& top) {
    std::error_code ec;
    if (top.empty()) return;
    for (const auto& e : fs::recursive_directory_iterator(top, ec))
        if (!e.is_directory()) return;
    fs::remove_all(top, ec);
}

int Decrypted(CliInteraction& ui, const std::string& file) {
    modVW::Decrypt(ui, file);
    return ui.Status();
}

// The save answer for a sealed file's stored name: -o, or the stored name when it
// is plain; never an existing file without --force.
std::string SealedSaveAs(const Options& o, const std::string& stored) {
    if (o.Output.empty() && !IsPlainName(stored)) {
        std::cerr << "vw3: the stored name '" << Printable(stored)
                  << "' is not a plain file name; give -o OUTPUT\n";
        return "";
    }
    const std::string path = Absolute(o.Output.empty() ? stored : o.Output);
    if (Exists(path) && !o.Force) {
        std::cerr << "vw3: '" << path << "' exists; use --force to replace it\n";
        return "";
    }
    return path;
}

// Before a sealed folder's verified package is extracted: none of its files may
// exist in the folder, unless --force.
bool SealedFolderReady(const Options& o, const std::string& folder) {
    if (o.Force) return true;
    try {
        modVW::RecordSummary summary;
        modVW::ListPackage(modVW::TemporaryPackagePath(), summary);
        const auto why = WouldReplace(summary.Entries, folder);
        if (why.empty()) return true;
        std::cerr << "vw3: " << why << "; use --force to replace it\n";
    } catch (const vw::Error& e) {
        std::cerr << e.Report() << '\n';
    }
    return false;
}

// A sealed file tells its kind and name only once the password has opened it.
int RunSealedDecrypt(const Options& o) {
    std::string error;
    auto ui = MakeInteraction(o, error);
    if (!ui) return UsageError(error);
    std::error_code ec;
    ui->PayloadSize = fs::file_size(o.Argument, ec);
    ui->ExtractFolder = Absolute(o.Output.empty() ? "." : o.Output);
    ui->SaveAsFor = [&o](const std::string& stored) { return SealedSaveAs(o, stored); };
    std::string made;  // the folders the extraction makes, known once it is a folder
    ui->FolderReady = [&o, &ui, &made] {
        made = FirstMissingFolder(ui->ExtractFolder);
        return SealedFolderReady(o, ui->ExtractFolder);
    };
    const int status = Decrypted(*ui, o.Argument);
    if (status != kSuccess) RemoveEmptyFolders(made);
    return status;
}

// Only what the header shows: the format, the cost, the size.
int RunSealedInfo(const Options& o) {
    try {
        vw::FileReader in(o.Argument);
        const auto header = modVW::ReadSealedHeader(in);
        std::cout << "File: " << o.Argument << '\n'
                  << "Format: sealed, version " << modVW::kSealedVersion << '\n'
                  << "Key derivation: Argon2id, " << header.Cost.Passes << " passes, "
                  << header.Cost.MemoryBytes / 1024 << " KiB\n"
                  << "Size: " << in.Size() << " bytes\n";
        return kSuccess;
    } catch (const vw::Error& e) {
        return Failure(e);
    }
}

}  // namespace

int UsageError(const std::string& message) {
    std::cerr << "vw3: " << message << "\nTry 'vw3 --help'.\n";
    return kUsage;
}

int RunEncrypt(const Options& o) {
    std::error_code ec;
    const auto status = fs::status(o.Argument, ec);
    if (!fs::exists(status))
        return Failure(
            vw::Error(vw::ErrorNumber::FileNotFound, "File not found: '" + o.Argument + "'"));
    const std::string output = o.Output.empty()
                                   ? DefaultEncryptOutput(o.Argument, o.Sealed ? ".vws" : ".vw3")
                                   : Absolute(o.Output);
    if (Exists(output) && !o.Force)
        return Failure("vw3: '" + output + "' exists; use --force to replace it");

    std::string error;
    auto ui = MakeInteraction(o, error);
    if (!ui) return UsageError(error);
    ui->SaveAs = output;
    const bool folder = fs::is_directory(status);
    if (!folder) ui->PayloadSize = fs::file_size(o.Argument, ec);
    modVW::Encrypt(*ui, folder ? modVW::SourceKinds::Folder : modVW::SourceKinds::File,
                   Absolute(o.Argument),
                   o.Sealed ? modVW::OutputFormat::Sealed : modVW::OutputFormat::ByName);
    return ui->Status();
}

int RunDecrypt(const Options& o) {
    if (modVW::IsSealedFile(o.Argument)) return RunSealedDecrypt(o);
    modVW::RecordLayout layout;
    try {
        layout = modVW::ReadRecordLayout(o.Argument);
    } catch (const vw::Error& e) {
        return Failure(e);
    }
    std::string error;
    auto ui = MakeInteraction(o, error);
    if (!ui) return UsageError(error);
    ui->PayloadSize = layout.PayloadSize;

    if (layout.Fields.SourceKind != modVW::SourceKinds::File) {
        ui->ExtractFolder = Absolute(o.Output.empty() ? "." : o.Output);
        if (!o.Force) {
            try {
                if (const auto why = WouldReplace(modVW::InspectRecord(o.Argument, *ui).Entries,
                                                  ui->ExtractFolder);
                    !why.empty())
                    return Failure("vw3: " + why + "; use --force to replace it");
            } catch (const vw::Error& e) {
                return Failure(e);
            }
            ui->RestartProgress();  // that look at the entries was a pass of its own
        }
        const std::string made = FirstMissingFolder(ui->ExtractFolder);
        const int status = Decrypted(*ui, o.Argument);
        if (status != kSuccess) RemoveEmptyFolders(made);
        return status;
    }

    const std::string stored = Text1252::NameFromFile(layout.Fields.SourceName);
    if (o.Output.empty() && !IsPlainName(stored))
        return Failure("vw3: the stored name '" + Printable(stored) +
                       "' is not a plain file name; give -o OUTPUT");
    ui->SaveAs = Absolute(o.Output.empty() ? stored : o.Output);
    if (Exists(ui->SaveAs) && !o.Force)
        return Failure("vw3: '" + ui->SaveAs + "' exists; use --force to replace it");
    return Decrypted(*ui, o.Argument);
}

int RunInfo(const Options& o) {
    if (modVW::IsSealedFile(o.Argument)) return RunSealedInfo(o);
    CliInteraction ui(std::nullopt, true);
    try {
        const auto s = modVW::InspectRecord(o.Argument, ui);
        std::cout << "File: " << o.Argument << '\n'
                  << "Kind: " << s.SourceKind << (s.IsFolder ? " (folder)" : " (single file)")
                  << '\n'
                  << "Stored name: " << Printable(s.SourceName) << '\n'
                  << "Payload: " << s.PayloadSize << " bytes\n";
        if (!s.IsFolder) return kSuccess;
        std::cout << "Description: " << Printable(s.Description) << '\n'
                  << "Entries: " << s.Entries.size() << '\n';
        for (const auto& e : s.Entries) {
            std::cout << "  " << Printable(e.Name) << "  " << e.Size << " bytes  ";
            if (e.Compressed)
                std::cout << "compressed (" << e.StoredSize << " bytes)\n";
            else
                std::cout << "stored\n";
        }
        return kSuccess;
    } catch (const vw::Error& e) {
        return Failure(e);
    }
}

}  // namespace vw3
