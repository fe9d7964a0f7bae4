#pragma once
// Files that must not outlive an interrupted run (a temporary package, a half-written
// replacement). Their owners list them here while they exist, so a signal handler
// can remove them before the process ends.

namespace vw::Leftovers {

// Registers `path` (copied); returns a slot for Forget, or -1 when all are taken.
int Remember(const char* path);
// Registers the folder `name` in the open folder `parent` (AT_FDCWD: `name` is a
// path): all it holds and then the folder itself are removed. `parent` must stay
// open while registered, so the folder goes even when its parent was renamed.
int RememberFolder(int parent, const char* name);
// Registers the folder `path` that this run made to hold its output: removed only
// while it is empty, after the files and folders above, latest first.
int RememberMadeFolder(const char* path);
void Forget(int slot);

// Removes every registered file, then every registered folder with all it holds,
// then the made folders that are empty.
// Only async-signal-safe calls: for signal handlers.
void RemoveAllNow();

// Removes all that the folder open as `dir` holds: files, links (never followed)
// and sub-folders with their own contents, however deep (what lies deeper than
// a descent goes is moved up into `dir` first). Only async-signal-safe calls.
void EmptyFolder(int dir);

}  // namespace vw::Leftovers
