#include "Leftovers.h"

#include <unistd.h>

#include <csignal>
#include <cstring>

namespace vw::Leftovers {
namespace {

constexpr int kSlots = 8;
constexpr size_t kPathMax = 4096;

struct Slot {
    char path[kPathMax];
    volatile sig_atomic_t used;  // set after the path is complete, cleared before reuse
};
Slot slots[kSlots];

}  // namespace

int Remember(const char* path) {
    if (std::strlen(path) >= kPathMax) return -1;
    for (int i = 0; i < kSlots; ++i) {
        if (slots[i].used) continue;
        std::strcpy(slots[i].path, path);
        slots[i].used = 1;
        return i;
    }
    return -1;
}

void Forget(int slot) {
    if (slot >= 0 && slot < kSlots) slots[slot].used = 0;
}

void RemoveAllNow() {
    for (auto& slot : slots)
        if (slot.used) ::unlink(slot.path);
}

}  // namespace vw::Leftovers
