#pragma once
// The checks a package's extraction makes before it writes anything.

#include <cstdint>
#include <functional>
#include <string>

namespace vw::stuf {

// Throws unless entry `number`'s `name` is one plain file name that stays inside
// the destination folder and fits its file system (`nameMax` bytes). On Linux
// only "/" separates folders: a backslash is an ordinary character of a name.
void CheckEntryName(int32_t number, const std::string& name, long nameMax);

// The longest file name the folder `dest` takes, or would take once created.
long NameMaxAt(const std::string& dest);

// Throws Error 61 when `declared` bytes exceed what `freeSpace` says is free at
// `dest` (or at the folder that will hold it), else returns the free bytes. An
// empty `freeSpace` asks statvfs.
uint64_t CheckFreeSpace(const std::string& dest, uint64_t declared,
                        const std::function<uint64_t(const std::string&)>& freeSpace);

}  // namespace vw::stuf
