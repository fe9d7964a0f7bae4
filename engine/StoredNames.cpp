#include "StoredNames.h"

#include <cstdio>
#include <map>

#include "Error.h"
#include "Procedures.h"
#include "Text1252.h"

namespace modVW {
namespace {

vw::Error Unstorable(const std::string& path, vw::Text why) {
    return vw::Error(vw::ErrorNumber::BadFileName,
                     vw::Text(VW_TEXT("Procedures", "Bad file name: '%1' cannot be encrypted: %2"),
                              {VisibleName(path), std::move(why)}));
}

}  // namespace

std::string VisibleName(const std::string& text) {
    const bool utf8 = Text1252::IsValidUtf8(text);
    std::string out;
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F || (b > 0x7F && !utf8)) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            out += hex;
        } else {
            out += c;
        }
    }
    return out;
}

void CheckStorableNames(const std::vector<std::string>& paths) {
    std::map<std::string, std::string> comesBackAs;  // name read back -> its file
    for (const auto& path : paths) {
        const std::string name = FileNamePart(path);
        if (!Text1252::NameSurvives(name))
            throw Unstorable(path, VW_TEXT("Procedures",
                                           "its name is not valid UTF-8 and would "
                                           "come back as another name"));
        const std::string back = Text1252::NameFromFile(Text1252::NameToFile(name));
        if (const auto [it, fresh] = comesBackAs.emplace(back, path); !fresh)
            throw Unstorable(
                path, vw::Text(VW_TEXT("Procedures", "it would come back under the name of '%1'"),
                               {VisibleName(it->second)}));
    }
}

}  // namespace modVW
