#pragma once
// The refusals of a damaged package, shared by the reader of a package file and
// the reader of a package that streams in, so that the same damage reads the same
// either way. `label` names the package as the user knows it; `where` starts the
// text ("Slot 3: " for a field inside a slot).

#include <cstdint>
#include <string>

#include "Error.h"

namespace vw::stuf {

// "<where>Invalid file format: '<label>' is damaged or not a package: <why>" (321).
Error Damaged(const std::string& label, Text why, Text where = {});

// A dimension count of 0 or 1; `holderHas` says whose, with %1 for the count.
void CheckDimensions(uint16_t dims, Template holderHas, const std::string& label, Text where = {});
// The entry table starts at slot 0.
void CheckTableStart(int32_t lowerBound, const std::string& label, Text where = {});
// `slots` of at least 22 bytes each fit in the `left` bytes that follow.
void CheckSlotRoom(uint32_t slots, uint64_t left, const std::string& label, Text where = {});
// An entry of `count` bytes fits an Int32 length.
void CheckEntryLength(uint64_t count, const std::string& label, Text where = {});
// EntryCount names at most all slots but the first.
void CheckEntryCount(int32_t count, uint32_t slots, const std::string& label, Text where = {});

}  // namespace vw::stuf
