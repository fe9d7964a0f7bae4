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

// SOURCE followed by ".vw3", beside it: "." and "dir/" name the folder they mean.
std::string DefaultEncryptOutput(const std::string& source) {
    std::string path = Absolute(source);
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path + ".vw3";
}

// True when a stored name can be joined to a folder without leaving it.
bool IsPlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

// Why extracting the folder record `file` into `folder` would replace a file:
// one of its entries exists there, or two entries share a name. "" when neither.
std::string WouldReplace(const std::string& file, const std::string& folder,
                         modVW::Interaction& ui) {
    std::set<std::string> seen;
    // A name that is not plain ("..") is refused by the extraction, which says why.
    for (const auto& entry : modVW::InspectRecord(file, ui).Entries) {
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
    const std::string output =
        o.Output.empty() ? DefaultEncryptOutput(o.Argument) : Absolute(o.Output);
    if (Exists(output) && !o.Force)
        return Failure("vw3: '" + output + "' exists; use --force to replace it");

    std::string error;
    auto ui = MakeInteraction(o, error);
    if (!ui) return UsageError(error);
    ui->SaveAs = output;
    const bool folder = fs::is_directory(status);
    if (!folder) ui->PayloadSize = fs::file_size(o.Argument, ec);
    modVW::Encrypt(*ui, folder ? modVW::SourceKinds::Folder : modVW::SourceKinds::File,
                   Absolute(o.Argument));
    return ui->Status();
}

int RunDecrypt(const Options& o) {
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
                if (const auto why = WouldReplace(o.Argument, ui->ExtractFolder, *ui); !why.empty())
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
