#include "PackageRefusals.h"

#include <algorithm>
#include <limits>

#include "PackageFormat.h"

namespace vw::stuf {

Error Damaged(const std::string& label, Text why, Text where) {
    return Error(
        ErrorNumber::InvalidFileFormat,
        Text::Untranslated("%1%2", {std::move(where), Text(VW_TEXT("Package",
                                                                   "Invalid file format: '%1' is "
                                                                   "damaged or not a package: %2"),
                                                           {label, std::move(why)})}));
}

void CheckDimensions(uint16_t dims, Template holderHas, const std::string& label, Text where) {
    if (dims > 1) throw Damaged(label, Text(holderHas, {std::to_string(dims)}), std::move(where));
}

void CheckTableStart(int32_t lowerBound, const std::string& label, Text where) {
    if (lowerBound != 0)
        throw Damaged(label,
                      Text(VW_TEXT("Package", "the entry table starts at slot %1, not at slot 0"),
                           {std::to_string(lowerBound)}),
                      std::move(where));
}

void CheckSlotRoom(uint32_t slots, uint64_t left, const std::string& label, Text where) {
    if (uint64_t{slots} * kMinSlotBytes > left)
        throw Damaged(label,
                      Text(VW_TEXT("Package",
                                   "the entry table claims %1 slots, but only %2 bytes "
                                   "follow and every slot takes at least 22"),
                           {std::to_string(slots), std::to_string(left)}),
                      std::move(where));
}

void CheckEntryLength(uint64_t count, const std::string& label, Text where) {
    if (count > static_cast<uint64_t>(std::numeric_limits<int32_t>::max()))
        throw Damaged(label,
                      Text(VW_TEXT("Package",
                                   "an entry claims %1 bytes; a package entry holds at "
                                   "most 2,147,483,647"),
                           {std::to_string(count)}),
                      std::move(where));
}

void CheckEntryCount(int32_t count, uint32_t slots, const std::string& label, Text where) {
    if (count < 0 || count > std::max<int64_t>(int64_t{slots} - 1, 0))
        throw Damaged(label,
                      Text(VW_TEXT("Package",
                                   "it says it holds %1 files, but its entry table "
                                   "has %2 slots"),
                           {std::to_string(count), std::to_string(slots)}),
                      std::move(where));
}

}  // namespace vw::stuf
