#include "PasswordForm.h"

#include <sodium.h>
#include <unicode/unorm2.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "Error.h"
#include "Text1252.h"

namespace modVW {
namespace {

// UTF-16 text of a password: wiped before its memory goes back.
class WipedUnits {
public:
    explicit WipedUnits(size_t n) : units_(std::max<size_t>(n, 1)) {}
    ~WipedUnits() { sodium_memzero(units_.data(), units_.size() * sizeof(UChar)); }
    WipedUnits(const WipedUnits&) = delete;
    WipedUnits& operator=(const WipedUnits&) = delete;

    UChar* Data() { return units_.data(); }
    int32_t Capacity() const { return static_cast<int32_t>(units_.size()); }

private:
    std::vector<UChar> units_;
};

[[noreturn]] void Fail(UErrorCode status) {
    throw vw::Error(vw::ErrorNumber::InvalidCall,
                    vw::Text(VW_TEXT("Sealed",
                                     "Invalid procedure call or argument: the password "
                                     "cannot be brought into its Unicode normal form (%1)"),
                             {u_errorName(status)}));
}

bool IsAscii(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::string ComposedPassword(const std::string& typed) {
    // ASCII is its own normal form; a password file is at most 64 KiB, far below
    // the lengths ICU counts in.
    if (IsAscii(typed) || !Text1252::IsValidUtf8(typed) || typed.size() > INT32_MAX / 4)
        return typed;
    UErrorCode status = U_ZERO_ERROR;
    const UNormalizer2* nfc = unorm2_getNFCInstance(&status);
    if (U_FAILURE(status)) Fail(status);
    // UTF-8 never takes fewer bytes than UTF-16 takes units.
    WipedUnits text(typed.size());
    int32_t length = 0;
    u_strFromUTF8(text.Data(), text.Capacity(), &length, typed.data(),
                  static_cast<int32_t>(typed.size()), &status);
    if (U_FAILURE(status)) Fail(status);
    if (unorm2_isNormalized(nfc, text.Data(), length, &status) && U_SUCCESS(status)) return typed;
    // Composing can also take a character apart (the composition exclusions), at
    // most three units for one.
    WipedUnits composed(static_cast<size_t>(length) * 3);
    const int32_t units =
        unorm2_normalize(nfc, text.Data(), length, composed.Data(), composed.Capacity(), &status);
    if (U_FAILURE(status)) Fail(status);
    std::string utf8(static_cast<size_t>(units) * 3, '\0');  // three bytes a unit at most
    int32_t bytes = 0;
    u_strToUTF8(utf8.data(), static_cast<int32_t>(utf8.size()), &bytes, composed.Data(), units,
                &status);
    if (U_FAILURE(status)) {
        sodium_memzero(utf8.data(), utf8.size());
        Fail(status);
    }
    utf8.resize(static_cast<size_t>(bytes));  // shrinking keeps the same memory
    return utf8;
}

}  // namespace modVW
