#include "EntryTree.h"

#include <algorithm>
#include <functional>

namespace vw {

size_t EntryTree::KeyHash::operator()(const Key& key) const {
    return std::hash<std::string>()(key.name) * 31 + key.parent;
}

bool EntryTree::FindFolder(std::string_view path, uint32_t& folder) {
    if (path.empty()) {
        folder = kTop;
        return true;
    }
    for (int i = 0; i < 2; ++i)
        if (recent_[i] != kTop && recentPath_[i] == path) {
            folder = recent_[i];
            return true;
        }
    // Name by name from the top: as long as the path itself.
    uint32_t at = kTop;
    for (size_t start = 0; start <= path.size();) {
        const size_t end = std::min(path.find('/', start), path.size());
        const auto it = named_.find({at, std::string(path.substr(start, end - start))});
        if (it == named_.end() || entries_[it->second].type != EntryType::Folder) return false;
        at = it->second;
        start = end + 1;
    }
    recentPath_[1] = std::move(recentPath_[0]);
    recent_[1] = recent_[0];
    recentPath_[0] = std::string(path);
    recent_[0] = folder = at;
    return true;
}

bool EntryTree::Add(std::string_view path, TreeEntry entry) {
    const size_t slash = path.rfind('/');
    const std::string_view folder = slash == std::string_view::npos ? "" : path.substr(0, slash);
    entry.name = std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
    uint32_t parent = kTop;
    if (!FindFolder(folder, parent)) return false;
    const auto index = static_cast<uint32_t>(entries_.size());
    if (!named_.emplace(Key{parent, entry.name}, index).second) return false;
    entry.parent = parent;
    entry.depth = Level(parent);
    if (entry.type == EntryType::Folder) {  // its entries are likely next
        recentPath_[1] = std::move(recentPath_[0]);
        recent_[1] = recent_[0];
        recentPath_[0] = std::string(path);
        recent_[0] = index;
    }
    entries_.push_back(std::move(entry));
    childStart_.clear();
    return true;
}

std::string EntryTree::PathOf(uint32_t i) const {
    std::vector<const std::string*> names;
    for (uint32_t at = i; at != kTop; at = entries_[at].parent)
        names.push_back(&entries_[at].name);
    std::string path;
    for (auto it = names.rbegin(); it != names.rend(); ++it)
        path += (path.empty() ? "" : "/") + **it;
    return path;
}

void EntryTree::BuildChildren() const {
    const size_t n = entries_.size();
    const auto slot = [n](uint32_t parent) { return parent == kTop ? n : parent; };
    childStart_.assign(n + 2, 0);
    for (const auto& e : entries_)
        ++childStart_[slot(e.parent) + 1];
    for (size_t i = 1; i < childStart_.size(); ++i)
        childStart_[i] += childStart_[i - 1];
    childList_.resize(n);
    std::vector<uint32_t> next(childStart_.begin(), childStart_.end() - 1);
    for (uint32_t i = 0; i < n; ++i)
        childList_[next[slot(entries_[i].parent)]++] = i;
}

std::vector<uint32_t> EntryTree::Children(uint32_t folder) const {
    if (childStart_.empty()) BuildChildren();
    const size_t slot = folder == kTop ? entries_.size() : folder;
    return {childList_.begin() + childStart_[slot], childList_.begin() + childStart_[slot + 1]};
}

std::vector<uint32_t> EntryTree::PreOrder(uint32_t folder) const {
    std::vector<uint32_t> order, stack{folder};
    while (!stack.empty()) {
        const uint32_t at = stack.back();
        stack.pop_back();
        if (at != kTop) order.push_back(at);
        if (at == kTop || entries_[at].type == EntryType::Folder) {
            const auto children = Children(at);
            stack.insert(stack.end(), children.rbegin(), children.rend());
        }
    }
    return order;
}

}  // namespace vw
