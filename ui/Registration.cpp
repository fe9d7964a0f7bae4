#include "Registration.h"

#include "ModFileExt.h"

namespace vwui {

void RegisterFileTypeOnce() {
    ModFileExt::RegisterOnFirstStart();
}

}  // namespace vwui
