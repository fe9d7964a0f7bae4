#pragma once
// Files that must not outlive an interrupted run (a temporary package, a half-written
// replacement). Their owners list them here while they exist, so a signal handler
// can remove them before the process ends.

namespace vw::Leftovers {

// Registers `path` (copied); returns a slot for Forget, or -1 when all are taken.
int Remember(const char* path);
// Registers the folder `path`: its files and then the folder itself are removed.
int RememberFolder(const char* path);
void Forget(int slot);

// Removes every registered file, then every registered folder with its files. Only
// async-signal-safe calls: for signal handlers.
void RemoveAllNow();

}  // namespace vw::Leftovers
