#pragma once
// The system calls that decide what a crash or an unusual filesystem leaves of a
// written file, reached through pointers so that a test can record their order or
// make one of them fail the way a real filesystem does.

#include <sys/types.h>

#include <string>

namespace vw::disk {

extern int (*Fsync)(int fd);
extern int (*Fchmod)(int fd, mode_t mode);
// rename(2) when `flags` is 0, else renameat2(2) with RENAME_NOREPLACE or
// RENAME_EXCHANGE, both paths taken as they are.
extern int (*Rename)(const char* from, const char* to, unsigned flags);
// renameat2(2): `from` in the open folder `fromDir` to `to` in `toDir`.
extern int (*RenameAt)(int fromDir, const char* from, int toDir, const char* to, unsigned flags);
// syncfs(2): everything written to the filesystem that holds `fd` reaches the disk.
extern int (*SyncFilesystem)(int fd);
// Opens a new unnamed file for writing in `folder` (O_TMPFILE), mode 0600.
extern int (*OpenUnnamed)(const char* folder);

// Makes the renames in `folder` reach the disk, through Fsync. A filesystem that
// cannot sync a folder at all is let be: a rename is then as safe as it gets
// there. Any other failure throws "Cannot write" naming `named`.
void SyncFolder(const std::string& folder, const std::string& named);

}  // namespace vw::disk
