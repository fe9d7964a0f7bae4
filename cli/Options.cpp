#include "Options.h"

#include <string_view>

namespace vw3 {
namespace {

constexpr const char* kOverview = R"(Usage: vw3 COMMAND ARGUMENT [options]

Turns a file, or the files of a folder, into one password-protected .vw3 file
and back. The substitution table travels inside the .vw3 file: the password only
gates this program, and anyone holding the file can recover its contents. Do
not use it as strong encryption; a sealed .vws file (encrypt --sealed) is.

Commands:
  encrypt SOURCE   encrypt a file, or the files directly inside a folder
  decrypt FILE     restore the file or the folder's files of FILE
  verify FILE      check that FILE is whole, with its password; writes nothing
  list FILE        list what FILE holds, one entry a line
  info FILE        show what FILE holds, without asking for the password

Options:
  -o, --output PATH        where to write (see vw3 COMMAND --help); "-" is
                           standard output (a single file only). Standard
                           output, a pipe or a device gets nothing before the
                           whole content is checked (it waits in an unnamed
                           private temporary file), so a damaged file sends
                           nothing.
  --password-file PATH     read the password from PATH (a regular file of at
                           most 64 KiB, not in /proc; one trailing "\n" or
                           "\r\n" removed); "-" reads standard input. Without
                           it the password is asked on the terminal.
  --sealed                 (encrypt) write a sealed .vws file: the contents are
                           encrypted with a key derived from the password
  --generate-password      (encrypt) use a random passphrase of 6 words, printed
                           on standard error once the file is written
  --force                  replace existing output; the replaced file holds the
                           new content only
  --                       end of options: what follows is an argument
  --null                   (list) the names alone, each followed by a NUL byte
  -q, --quiet              no progress bar
  -h, --help               this text
  -V, --version            the version of vw3 and of the libraries it runs on

Exit status: 0 success, 1 failure ("Error N - description" on standard error),
2 usage error, 3 incorrect password.
)";

constexpr const char* kEncrypt =
    R"(Usage: vw3 encrypt SOURCE [-o OUTPUT] [--sealed]
                   [--password-file PATH | --generate-password] [--force] [-q]

Encrypts the file SOURCE (kind 1), or the files directly inside the folder SOURCE
(kind 2; sub-folders are not included). OUTPUT defaults to SOURCE followed by
".vw3" (for a folder: its path without a trailing "/", then ".vw3"). An existing
OUTPUT is replaced only with --force; a device or a pipe is written into. A new
OUTPUT gets at most the permission bits of SOURCE; a replaced one keeps its own,
and a symbolic link there is replaced, not followed. SOURCE must be a regular file
or a folder: pipes, devices and files that report no size but hold data (as in
/proc) are refused. At a terminal the password is asked twice.

With --sealed, or an OUTPUT ending in ".vws", a sealed file is written instead
(default OUTPUT: SOURCE followed by ".vws"): Argon2id derives a key from the
password (letter case matters) and XChaCha20-Poly1305 encrypts the contents, so
without the password the file shows its size and nothing else. A weak password
for a sealed file is warned about on standard error (how long it would take to
guess, from zxcvbn's estimate and the key derivation's cost); nothing is asked.

With --generate-password, the password is a random passphrase of 6 words from
the EFF's long wordlist (about 77 bits), printed on standard error once the file
is written: write it down, nothing else can open the file.
)";

constexpr const char* kDecrypt =
    R"(Usage: vw3 decrypt FILE [-o OUTPUT] [--password-file PATH] [--force] [-q]

Restores what FILE holds, a .vw3 or a sealed .vws file (told apart by its first
bytes). For a single file, OUTPUT is the file to write (default: the stored
name, in the current folder; "-" is standard output; a symbolic link there is
replaced, a device or a pipe written into, a replaced file keeps its permission
bits). For a folder, OUTPUT is the folder to extract into (default: the current folder; created when missing), and
nothing is written when any of its files already exists there, unless --force.
A wrong password from a file ends with status 3; at a terminal you get three
tries.
)";

constexpr const char* kVerify = R"(Usage: vw3 verify FILE [--password-file PATH] [-q]

Opens FILE as decrypt does, with its password, and reads all of it through the
same checks, writing nothing anywhere. A sealed .vws file is whole when every
chunk opens with the password's key: no byte was changed, dropped, moved or
added. A classic .vw3 file holds no checksum: its record, its package and their
sizes are checked, but nothing can prove that its contents are unchanged.
Exit status 0: whole, and the password is right; 1: damaged (the report decrypt
gives); 3: incorrect password.
)";

constexpr const char* kList = R"(Usage: vw3 list FILE [--password-file PATH] [--null] [-q]

Lists what FILE holds, one entry a line as "tar tv" does: type and permission
bits, size in bytes, modification time, and the name (control characters and
bytes that are not UTF-8 shown as escapes), a link's target after " -> ". A
folder's entries are named by their paths in the folder decrypt extracts into.
What a format does not keep shows as "?": a classic folder keeps no modes or
times, a single file neither. A sealed file asks for its password and is read
and checked whole before anything is listed; a classic file is listed without
it, since anyone can read its names. With --null only the names are written,
exactly as stored, each followed by a NUL byte.
)";

constexpr const char* kInfo = R"(Usage: vw3 info FILE

Shows the kind, the stored name and the payload size of FILE, and for a folder
the package's description and its entries (name, size, stored or compressed).
No password is needed: the format protects none of this. For a sealed .vws
file only the format, the key derivation cost and the file's size show.
)";

bool IsCommand(std::string_view word) {
    return word == "encrypt" || word == "decrypt" || word == "verify" || word == "list" ||
           word == "info";
}

// Why `o` asks for what its command does not take; "" when it does not.
std::string Misplaced(const Options& o) {
    const bool writes = o.Command == "encrypt" || o.Command == "decrypt";
    if (o.Command == "info" && (!o.Output.empty() || !o.PasswordFile.empty()))
        return "info takes no -o or --password-file";
    if (!writes && (!o.Output.empty() || o.Force))
        return o.Command + " writes nothing: it takes no -o or --force";
    if (o.Sealed && o.Command != "encrypt") return "--sealed is an option of encrypt";
    if (o.GeneratePassword && o.Command != "encrypt")
        return "--generate-password is an option of encrypt";
    if (o.GeneratePassword && !o.PasswordFile.empty())
        return "give --password-file or --generate-password, not both";
    if (o.Null && o.Command != "list") return "--null is an option of list";
    return "";
}

}  // namespace

std::string HelpText(const std::string& command) {
    if (command == "encrypt") return kEncrypt;
    if (command == "decrypt") return kDecrypt;
    if (command == "verify") return kVerify;
    if (command == "list") return kList;
    if (command == "info") return kInfo;
    return kOverview;
}

namespace {

// Takes the plain word `arg`: the command first, then its argument.
bool TakeWord(Options& o, std::string_view arg, std::string& error) {
    if (o.Command.empty()) {
        if (!IsCommand(arg)) {
            error = "unknown command " + std::string(arg);
            return false;
        }
        o.Command = arg;
    } else if (o.Argument.empty()) {
        o.Argument = arg;
    } else {
        error = "unexpected argument " + std::string(arg);
        return false;
    }
    return true;
}

}  // namespace

std::optional<Options> ParseOptions(int argc, char** argv, std::string& error) {
    Options o;
    bool optionsEnded = false;  // after "--" every word is a plain word
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= argc) {
                error = std::string(arg) + " needs a value";
                return false;
            }
            into = argv[++i];
            return true;
        };
        bool ok = true;
        if (optionsEnded || arg.size() < 2 || arg[0] != '-')
            ok = TakeWord(o, arg, error);
        else if (arg == "--")
            optionsEnded = true;
        else if (arg == "-h" || arg == "--help")
            o.Help = true;
        else if (arg == "-o" || arg == "--output")
            ok = value(o.Output);
        else if (arg == "--password-file")
            ok = value(o.PasswordFile);
        else if (arg == "--force")
            o.Force = true;
        else if (arg == "--sealed")
            o.Sealed = true;
        else if (arg == "--generate-password")
            o.GeneratePassword = true;
        else if (arg == "-q" || arg == "--quiet")
            o.Quiet = true;
        else if (arg == "--null")
            o.Null = true;
        else if (arg == "-V" || arg == "--version")
            o.Version = true;
        else {
            error = "unknown option " + std::string(arg);
            ok = false;
        }
        if (!ok) return std::nullopt;
    }
    if (o.Help || o.Version) return o;
    if (o.Command.empty())
        error = "no command given";
    else if (o.Argument.empty())
        error = o.Command + " needs a file";
    else
        error = Misplaced(o);
    if (!error.empty()) return std::nullopt;
    return o;
}

}  // namespace vw3
