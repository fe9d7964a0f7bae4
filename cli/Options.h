#pragma once
// The vw3 command line: vw3 COMMAND ARGUMENT [options].

#include <optional>
#include <string>

namespace vw3 {

struct Options {
    std::string Command;       // "encrypt", "decrypt", "info", or "" for the overall help
    std::string Argument;      // SOURCE or FILE
    std::string Output;        // -o / --output; "" when not given
    std::string PasswordFile;  // --password-file; "-" is standard input
    bool Force = false;
    bool Sealed = false;            // encrypt --sealed: write a sealed .vws file
    bool GeneratePassword = false;  // encrypt --generate-password
    bool Quiet = false;
    bool Help = false;
};

// The parsed options, or nothing after printing a usage error to `error`.
std::optional<Options> ParseOptions(int argc, char** argv, std::string& error);

// The text of `vw3 --help`, or of `vw3 COMMAND --help` for a known command.
std::string HelpText(const std::string& command);

}  // namespace vw3
