#include "PackageRefusals.h"

#include <algorithm>
#include <limits>

#include "PackageFormat.h"

namespace vw::stuf {

Error Damaged(const std::string& label, const std::string& why, const std::string& where) {
    return Error(ErrorNumber::InvalidFileFormat, where + "Invalid file format: '" + label +
                                                     "' is damaged or not a package: " + why);
}

void CheckDimensions(uint16_t dims, const char* holderHas, const std::string& label,
                     const std::string& where) {
    if (dims > 1)
        throw Damaged(label,
                      holderHas + std::to_string(dims) + " dimensions; only 0 or 1 are possible",
                      where);
}

void CheckTableStart(int32_t lowerBound, const std::string& label, const std::string& where) {
    if (lowerBound != 0)
        throw Damaged(
            label,
            "the entry table starts at slot " + std::to_string(lowerBound) + ", not at slot 0",
            where);
}

void CheckSlotRoom(uint32_t slots, uint64_t left, const std::string& label,
                   const std::string& where) {
    if (uint64_t{slots} * kMinSlotBytes > left)
        throw Damaged(label,
                      "the entry table claims " + std::to_string(slots) + " slots, but only " +
                          std::to_string(left) + " bytes follow and every slot takes at least 22",
                      where);
}

void CheckEntryLength(uint64_t count, const std::string& label, const std::string& where) {
    if (count > static_cast<uint64_t>(std::numeric_limits<int32_t>::max()))
        throw Damaged(label,
                      "an entry claims " + std::to_string(count) +
                          " bytes; a package entry holds at most 2,147,483,647",
                      where);
}

void CheckEntryCount(int32_t count, uint32_t slots, const std::string& label,
                     const std::string& where) {
    if (count < 0 || count > std::max<int64_t>(int64_t{slots} - 1, 0))
        throw Damaged(label,
                      "it says it holds " + std::to_string(count) +
                          " files, but its entry table has " + std::to_string(slots) + " slots",
                      where);
}

}  // namespace vw::stuf
