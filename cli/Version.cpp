// vw3 --version: the libraries are named with the versions this process runs
// on, which a bug report needs more than the ones it was built with.

#include <archive.h>
#include <sodium.h>

#include "Options.h"

namespace vw3 {

std::string VersionText() {
    return std::string("vw3 " VW_VERSION "\nlibsodium ") + sodium_version_string() + "\n" +
           archive_version_string() + "\n";
}

}  // namespace vw3
