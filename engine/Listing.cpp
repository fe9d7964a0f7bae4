#include "Listing.h"

#include <algorithm>
#include <ctime>

#include "StoredNames.h"

namespace modVW {
namespace {

constexpr const char* kNoMode = "-?????????";
constexpr const char* kNoTime = R"(????-??-?? ??:??)";  // raw: "??-" would be a trigraph
// A text a window shows stays of a size it can show.
constexpr uint32_t kTextLines = 10000;

// "drwxr-x---", as ls and tar show a mode.
std::string ModeText(const vw::TreeEntry& e) {
    std::string text(1, e.type == vw::EntryType::Folder ? 'd' : '-');
    if (e.type == vw::EntryType::Link) text = "l";
    const char* letters = "rwxrwxrwx";
    for (int bit = 8; bit >= 0; --bit)
        text += (e.mode >> bit) & 1 ? letters[8 - bit] : '-';
    return text;
}

std::string TimeText(const timespec& t) {
    struct tm local {};
    char text[32];
    if (t.tv_nsec == UTIME_OMIT || ::localtime_r(&t.tv_sec, &local) == nullptr ||
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local) == 0)
        return kNoTime;
    return text;
}

std::string Padded(uint64_t size, size_t width) {
    std::string text = std::to_string(size);
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

std::string Line(const std::string& mode, const std::string& size, const std::string& time,
                 const std::string& path) {
    return mode + " " + size + " " + time + " " + path;
}

// A folder's lines, its sizes right-aligned.
void FolderLines(const vw::EntryTree& entries, bool modesAndTimes, const LineSink& line) {
    size_t width = 1;
    for (uint32_t i = 0; i < entries.Size(); ++i)
        width = std::max(width, std::to_string(entries[i].size).size());
    for (uint32_t i = 0; i < entries.Size(); ++i) {
        const vw::TreeEntry& e = entries[i];
        std::string path = entries.PathOf(i);
        if (e.type == vw::EntryType::Link) path += " -> " + e.target;
        line(Line(modesAndTimes ? ModeText(e) : kNoMode, Padded(e.size, width),
                  modesAndTimes ? TimeText(e.modified) : kNoTime, path));
    }
}

}  // namespace

void ListLines(const Holdings& h, const LineSink& line) {
    if (!h.Folder) return line(Line(kNoMode, std::to_string(h.FileSize), kNoTime, h.FileName));
    FolderLines(h.Entries, h.ModesAndTimes, line);
}

vw::Text ListingText(const vw::EntryTree& entries, bool modesAndTimes) {
    std::string text;
    uint32_t shown = 0;
    FolderLines(entries, modesAndTimes, [&](const std::string& line) {
        if (shown++ < kTextLines) text += (text.empty() ? "" : "\n") + VisibleName(line);
    });
    if (shown <= kTextLines) return text;
    return vw::Text::Untranslated("%1%2",
                                  {text, vw::Text(VW_TEXT("Procedures", "\n... and %1 more"),
                                                  {std::to_string(shown - kTextLines)})});
}

}  // namespace modVW
