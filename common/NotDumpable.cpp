#include "NotDumpable.h"

#include <sys/prctl.h>

namespace vw {

NotDumpable::NotDumpable() : previous_(::prctl(PR_GET_DUMPABLE)) {
    ::prctl(PR_SET_DUMPABLE, 0);
}

NotDumpable::~NotDumpable() {
    if (previous_ > 0) ::prctl(PR_SET_DUMPABLE, previous_);
}

}  // namespace vw
