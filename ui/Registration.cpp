#include "Registration.h"

namespace vwui {

void RegisterFileTypeOnce() {
    // The shell integration module does the work; until it is linked in, there is
    // nothing to register.
}

}  // namespace vwui
