#include "Commands.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>

#include "BinaryFile.h"
#include "CliInteraction.h"
#include "EncryptedSource.h"
#include "Error.h"
#include "Formats.h"
#include "KeyCache.h"
#include "OutputTarget.h"
#include "Passphrase.h"
#include "Printing.h"
#include "Procedures.h"
#include "RecordFile.h"
#include "RecordSummary.h"
#include "SealedFile.h"
#include "SealedKey.h"
#include "Text1252.h"
#include "Verification.h"

namespace fs = std::filesystem;

namespace vw3 {
namespace {

constexpr size_t kPasswordFileMax = 64 * 1024;

int Failure(const std::string& message, const std::string& userFile = "") {
    Say(std::cerr, NamingUserFile(message, userFile));
    return kFailure;
}

int Failure(const vw::Error& e, const std::string& userFile = "") {
    return Failure(e.Report(), userFile);
}

// The absolute form of `path`, with no "/" at its end unless it is the root.
std::string Absolute(const std::string& path) {
    std::string absolute = fs::absolute(path).lexically_normal().string();
    while (absolute.size() > 1 && absolute.back() == '/')
        absolute.pop_back();
    return absolute;
}

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    quoted += text;
    quoted += '\'';
    return quoted;
}

// Up to kPasswordFileMax + 1 bytes of `fd`: one more shows the file is too long.
std::optional<std::string> ReadBounded(int fd) {
    std::string text(kPasswordFileMax + 1, '\0');
    size_t got = 0;
    while (got < text.size()) {
        const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    text.resize(got);
    return text;
}

bool InProc(int fd) {
    struct statfs fs {};
    return ::fstatfs(fd, &fs) == 0 && fs.f_type == PROC_SUPER_MAGIC;
}

// The open password file `path`, or -1 after saying in `error` why it is refused:
// only a regular file of at most 64 KiB is read (a folder, a FIFO, /dev/zero are not).
int OpenPasswordFile(const std::string& path, std::string& error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0)
        error = "cannot read the password file " + Quoted(path) + ": " + std::strerror(errno);
    else if (!S_ISREG(st.st_mode))
        error = "the password file " + Quoted(path) + " is not a regular file";
    else if (InProc(fd))
        error = "the password file " + Quoted(path) + " is a /proc file, which reports no size";
    else if (static_cast<uint64_t>(st.st_size) > kPasswordFileMax)
        error = "the password file " + Quoted(path) + " is larger than 64 KiB";
    if (error.empty()) return fd;
    if (fd >= 0) ::close(fd);
    return -1;
}

// The password of --password-file: the whole file, one trailing newline ("\n" or
// "\r\n") removed.
std::optional<std::string> PasswordFromFile(const std::string& path, std::string& error) {
    const bool standardInput = path == "-";
    const int fd = standardInput ? STDIN_FILENO : OpenPasswordFile(path, error);
    if (fd < 0) return std::nullopt;
    auto text = ReadBounded(fd);
    if (!standardInput) ::close(fd);
    const std::string what = standardInput ? "standard input" : "the password file " + Quoted(path);
    if (!text)
        error = "cannot read " + what + ": " + std::strerror(errno);
    else if (text->size() > kPasswordFileMax)
        error = "the password on " + what + " is longer than 64 KiB";
    if (!error.empty()) return std::nullopt;
    // One line ending goes, "\n" or "\r\n"; a lone "\r" is part of the password.
    if (!text->empty() && text->back() == '\n') {
        text->pop_back();
        if (!text->empty() && text->back() == '\r') text->pop_back();
    }
    if (text->empty()) {
        error = (standardInput ? "standard input" : "the password file " + Quoted(path)) +
                " holds no password";
        return std::nullopt;
    }
    return text;
}

// The interaction for a command, or nothing after a usage error in `error`.
// `generated` is the password of --generate-password.
std::optional<CliInteraction> MakeInteraction(const Options& o, std::string& error,
                                              const std::string& generated = {}) {
    if (!generated.empty()) return CliInteraction(generated, o.Quiet);
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

// Removes the folders made for a failed extraction, unless something was put in them.
void RemoveEmptyFolders(const std::string& top) {
    std::error_code ec;
    if (top.empty()) return;
    for (const auto& e : fs::recursive_directory_iterator(top, ec))
        if (!e.is_directory()) return;
    fs::remove_all(top, ec);
}

// The output path of -o (standard output for "-"), or `fallback` without -o.
std::string OutputPath(const Options& o, const std::string& fallback) {
    if (o.Output == "-") return kStandardOutput;
    return Absolute(o.Output.empty() ? fallback : o.Output);
}

// A failure status when `output` may not be written: a folder, a socket or a block
// device never; an existing file (or link) only with --force. A device or a pipe
// is written into, which replaces nothing.
std::optional<int> OutputRefusal(const std::string& output, bool force) {
    const auto kind = vw::KindOfOutput(output);
    try {
        if (kind == vw::OutputTarget::Unusable) vw::RefuseOutput(output);
    } catch (const vw::Error& e) {
        return Failure(e);
    }
    if (kind == vw::OutputTarget::Replaced && !force)
        return Failure("vw3: " + Quoted(output) + " exists; use --force to replace it");
    return std::nullopt;
}

// The save answer for the stored name, known once the password has opened the
// file: -o, or the stored name when it is plain; never an existing file without
// --force. The procedure takes a destination equal to the stored name for the
// unchanged name of a cancelled save dialog and writes nothing: refuse rather than
// end with a success for work not done.
std::string SaveAsFor(const Options& o, const std::string& stored) {
    if (o.Output.empty() && !modVW::IsPlainName(stored)) {
        Failure("vw3: the stored name " + Quoted(stored) +
                " is not a plain file name; give -o OUTPUT");
        return "";
    }
    const std::string path = OutputPath(o, stored);
    if (path == stored) {
        Failure("vw3: OUTPUT " + Quoted(stored) +
                " is the stored name itself, which is never written; choose another OUTPUT");
        return "";
    }
    return OutputRefusal(path, o.Force) ? "" : path;
}

// Decrypts the command's file; a folder it holds goes into -o (or the current
// folder), and the folders made for it go again when that fails.
int DecryptedInto(const Options& o, CliInteraction& ui) {
    ui.ExtractFolder = Absolute(o.Output.empty() ? "." : o.Output);
    ui.ReplaceExisting = o.Force;
    modVW::Decrypt(ui, o.Argument);
    const int status = ui.Status();
    if (status != kSuccess) RemoveEmptyFolders(ui.MadeFolder);
    return status;
}

// The interaction of a command that reads FILE with its password. What can be
// known before a password (damage, a file that cannot be read) is reported first.
std::optional<CliInteraction> PasswordInteraction(const Options& o, int& status) {
    try {
        modVW::KeyCache keys;
        modVW::OpenEncrypted(o.Argument, keys);
    } catch (const vw::Error& e) {
        status = Failure(e, o.Argument);
        return std::nullopt;
    }
    std::string error;
    auto ui = MakeInteraction(o, error);
    if (!ui) {
        status = UsageError(error);
        return std::nullopt;
    }
    std::error_code ec;
    ui->PayloadSize = fs::file_size(o.Argument, ec);
    ui->UserFile = o.Argument;
    return ui;
}

// A listing as `tar tv` shows one, or with --null the names alone, as stored.
int PrintHoldings(const modVW::Holdings& holdings, bool null) {
    if (!null)
        modVW::ListLines(holdings, [](const std::string& line) { Say(std::cout, line); });
    else if (!holdings.Folder)
        std::cout << holdings.FileName << '\0';
    else
        for (uint32_t i = 0; i < holdings.Entries.Size(); ++i)
            std::cout << holdings.Entries.PathOf(i) << '\0';
    if (std::cout.flush()) return kSuccess;
    return Failure("vw3: cannot write the listing to standard output");
}

// Only what the header shows: the format, the cost, the size.
int RunSealedInfo(const Options& o) {
    try {
        vw::FileReader in(o.Argument);
        const auto header = modVW::ReadSealedHeader(in);
        Say(std::cout, "File: " + o.Argument);
        Say(std::cout, "Format: sealed, version " + std::to_string(header.Version));
        Say(std::cout, "Key derivation: Argon2id, " + std::to_string(header.Cost.Passes) +
                           " passes, " + std::to_string(header.Cost.MemoryBytes / 1024) + " KiB");
        Say(std::cout, "Size: " + std::to_string(in.Size()) + " bytes");
        return kSuccess;
    } catch (const vw::Error& e) {
        return Failure(e, o.Argument);
    }
}

}  // namespace

int UsageError(const std::string& message) {
    Say(std::cerr, "vw3: " + message);
    Say(std::cerr, "Try 'vw3 --help'.");
    return kUsage;
}

int RunEncrypt(const Options& o) {
    struct stat st {};
    if (::stat(o.Argument.c_str(), &st) != 0)
        return Failure(vw::ErrorFromErrno(errno, "Cannot open", o.Argument));
    const bool folder = S_ISDIR(st.st_mode);
    uint64_t size = 0;
    if (!folder) {
        try {
            size = vw::FileReader(o.Argument).Size();  // refuses what is not a plain file
        } catch (const vw::Error& e) {
            return Failure(e);
        }
    }
    const std::string output =
        OutputPath(o, DefaultEncryptOutput(o.Argument, o.Sealed ? ".vws" : ".vw3"));
    if (const auto refused = OutputRefusal(output, o.Force)) return *refused;

    std::string error;
    std::string generated = o.GeneratePassword ? modVW::GeneratePassphrase() : std::string();
    auto ui = MakeInteraction(o, error, generated);
    if (!ui) return UsageError(error);
    ui->SaveAs = output;
    ui->UserFile = o.Argument;
    ui->PayloadSize = size;
    modVW::Encrypt(*ui, folder ? modVW::SourceKinds::Folder : modVW::SourceKinds::File,
                   Absolute(o.Argument),
                   o.Sealed ? modVW::OutputFormat::Sealed : modVW::OutputFormat::ByName);
    const int status = ui->Status();
    // Told only once the file that needs it is written.
    if (!generated.empty() && status == kSuccess) Say(std::cerr, "Password: " + generated);
    modVW::WipeText(generated);
    return status;
}

// Both formats tell their kind and name only once the password has opened them,
// so the save and folder answers are worked out then.
int RunDecrypt(const Options& o) {
    int status = kSuccess;
    auto ui = PasswordInteraction(o, status);
    if (!ui) return status;
    ui->SaveAsFor = [&o](const std::string& stored) { return SaveAsFor(o, stored); };
    if (o.Output == "-")
        ui->FolderRefusal = "-o - writes a single file; " + Quoted(o.Argument) + " holds a folder";
    return DecryptedInto(o, *ui);
}

int RunVerify(const Options& o) {
    int status = kSuccess;
    auto ui = PasswordInteraction(o, status);
    if (!ui) return status;
    if (!modVW::Verify(*ui, o.Argument)) return ui->Status();
    const std::string file = Quoted(o.Argument);
    if (modVW::IsSealedFile(o.Argument)) {
        Say(std::cout, file + " is whole: the password opens it and every part of it is authentic");
    } else {
        Say(std::cout, file + " shows nothing wrong: its fields, contents and sizes are in order");
        Say(std::cout,
            "A classic file holds no checksum: nothing can prove that its contents are unchanged");
    }
    return ui->Status();
}

// A sealed file is read whole, with its password, before anything is listed; a
// classic file's names need no password.
int RunList(const Options& o) {
    modVW::Holdings holdings;
    if (modVW::IsSealedFile(o.Argument)) {
        int status = kSuccess;
        auto ui = PasswordInteraction(o, status);
        if (!ui) return status;
        if (!modVW::Verify(*ui, o.Argument, &holdings)) return ui->Status();
    } else {
        CliInteraction ui(std::nullopt, o.Quiet);
        std::error_code ec;
        ui.PayloadSize = fs::file_size(o.Argument, ec);
        ui.UserFile = o.Argument;
        if (!modVW::ReadClassic(ui, o.Argument, holdings)) return ui.Status();
        Say(std::cerr,
            "vw3: a classic file's names and sizes are readable by anyone; no password "
            "was needed to list them");
    }
    return PrintHoldings(holdings, o.Null);
}

int RunInfo(const Options& o) {
    if (modVW::IsSealedFile(o.Argument)) return RunSealedInfo(o);
    CliInteraction ui(std::nullopt, true);
    try {
        const auto s = modVW::InspectRecord(o.Argument, ui);
        Say(std::cout, "File: " + o.Argument);
        Say(std::cout, "Kind: " + std::to_string(s.SourceKind) +
                           (s.IsFolder ? " (folder)" : " (single file)"));
        Say(std::cout, "Stored name: " + s.SourceName);
        Say(std::cout, "Payload: " + std::to_string(s.PayloadSize) + " bytes");
        if (!s.IsFolder) return kSuccess;
        Say(std::cout, "Description: " + s.Description);
        Say(std::cout, "Entries: " + std::to_string(s.Entries.size()));
        for (const auto& e : s.Entries) {
            Say(std::cout,
                "  " + e.Name + "  " + std::to_string(e.Size) + " bytes  " +
                    (e.Compressed ? "compressed (" + std::to_string(e.StoredSize) + " bytes)"
                                  : std::string("stored")));
        }
        return kSuccess;
    } catch (const vw::Error& e) {
        return Failure(e, o.Argument);
    }
}

}  // namespace vw3
