// vw3: the command-line front end over the same encrypt and decrypt procedures
// as the desktop program.

#include <fcntl.h>
#include <unistd.h>

#include <iostream>

#include "CliInteraction.h"
#include "Commands.h"
#include "NotDumpable.h"
#include "Options.h"
#include "Terminal.h"

namespace {

// Standard output as it was at the start. A closed standard descriptor is taken by
// /dev/null, so no file this run opens gets its number: "-o -" must never write
// into the input or the output by way of descriptor 1.
bool TakeStandardDescriptors() {
    const bool outputOpen = ::fcntl(STDOUT_FILENO, F_GETFD) >= 0;
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd)
        if (::fcntl(fd, F_GETFD) < 0 && ::open("/dev/null", O_RDWR) != fd) return false;
    return outputOpen;
}

}  // namespace

int main(int argc, char** argv) {
    const bool outputOpen = TakeStandardDescriptors();
    // A password or a key lives in this process from here on: no core file, no
    // ptrace by other processes of the user.
    const vw::NotDumpable secrets;
    vw3::EndCleanlyOnSignals();
    std::string error;
    const auto options = vw3::ParseOptions(argc, argv, error);
    if (!options) return vw3::UsageError(error);
    if (options->Output == "-" && !outputOpen)
        return vw3::UsageError("standard output is closed; -o - has nowhere to write");
    if (options->Help || options->Version) {
        std::cout << (options->Help ? vw3::HelpText(options->Command) : vw3::VersionText());
        return vw3::kSuccess;
    }
    if (options->Command == "encrypt") return vw3::RunEncrypt(*options);
    if (options->Command == "decrypt") return vw3::RunDecrypt(*options);
    if (options->Command == "verify") return vw3::RunVerify(*options);
    if (options->Command == "list") return vw3::RunList(*options);
    return vw3::RunInfo(*options);
}
