#include "Registration.h"

#include "ModFileExt.h"

namespace vwui {

void RegisterFileTypeOnce() {
    ModFileExt::RegisterOnFirstStart();
    ModFileExt::FollowProgram();
}

std::vector<std::string> Unregister() {
    return ModFileExt::UnregisterFileType();
}

}  // namespace vwui
