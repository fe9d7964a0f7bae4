// vw3: the command-line front end over the same encrypt and decrypt procedures
// as the desktop program.

#include <iostream>

#include "CliInteraction.h"
#include "Commands.h"
#include "Options.h"
#include "Terminal.h"

int main(int argc, char** argv) {
    vw3::EndCleanlyOnSignals();
    std::string error;
    const auto options = vw3::ParseOptions(argc, argv, error);
    if (!options) return vw3::UsageError(error);
    if (options->Help) {
        std::cout << vw3::HelpText(options->Command);
        return vw3::kSuccess;
    }
    if (options->Command == "encrypt") return vw3::RunEncrypt(*options);
    if (options->Command == "decrypt") return vw3::RunDecrypt(*options);
    return vw3::RunInfo(*options);
}
