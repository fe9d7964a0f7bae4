#include "Text.h"

namespace vw {

Text::Text(Template t, std::vector<Text> arguments)
    : template_(t), source_(t.Source ? t.Source : ""), arguments_(std::move(arguments)) {}

Text::Text(Template t, long long count, std::vector<Text> arguments)
    : template_(t), source_(t.Source), count_(count), arguments_(std::move(arguments)) {}

Text::Text(std::string verbatim) : source_(std::move(verbatim)) {}

Text::Text(const char* verbatim) : source_(verbatim) {}

Text Text::Untranslated(std::string pattern, std::vector<Text> arguments) {
    Text text(Template{"", nullptr, nullptr}, std::move(arguments));
    text.source_ = std::move(pattern);
    return text;
}

Text Text::Joined(const std::vector<Text>& parts, const std::string& separator) {
    if (parts.empty()) return Text(std::string());
    Text joined = parts.front();
    for (size_t i = 1; i < parts.size(); ++i)
        joined = Untranslated("%1" + separator + "%2", {joined, parts[i]});
    return joined;
}

std::string Text::English() const {
    if (!Context()) return source_;
    std::vector<std::string> filled;
    filled.reserve(arguments_.size());
    for (const Text& argument : arguments_)
        filled.push_back(argument.English());
    return Fill(HasCount() && count_ == 1 ? std::string(One()) : source_, filled, count_);
}

std::string Fill(const std::string& pattern, const std::vector<std::string>& arguments,
                 long long count) {
    std::string text;
    text.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const size_t index = size_t(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < arguments.size()) {
            text += arguments[index];
            ++i;
        } else if (pattern[i] == '%' && next == 'n') {
            text += std::to_string(count);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace vw
