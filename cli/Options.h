#pragma once
// The vw3 command line: vw3 COMMAND ARGUMENT [options].

#include <optional>
#include <string>

namespace vw3 {

struct Options {
    std::string Command;       // "encrypt", "decrypt", "verify", "list", "info", or ""
    std::string Argument;      // SOURCE or FILE
    std::string Output;        // -o / --output; "" when not given
    std::string PasswordFile;  // --password-file; "-" is standard input
    bool Force = false;
    bool Sealed = false;            // encrypt --sealed: write a sealed .vws file
    bool GeneratePassword = false;  // encrypt --generate-password
    bool Quiet = false;
    bool Null = false;  // list --null: the names alone, each ended by a NUL byte
    bool Help = false;
    bool Version = false;  // -V, --version
};

// The parsed options, or nothing after printing a usage error to `error`.
std::optional<Options> ParseOptions(int argc, char** argv, std::string& error);

// The text of `vw3 --help`, or of `vw3 COMMAND --help` for a known command.
std::string HelpText(const std::string& command);

// The text of `vw3 --version`: the program's version and the libraries' it runs on.
std::string VersionText();

}  // namespace vw3
