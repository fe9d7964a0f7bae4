#pragma once
// A text for the user, kept apart from the language it is shown in: an English
// template with %1 to %9 for its arguments (and %n for a count), the context that
// groups it for translators, and the arguments, which are texts too (a description
// inside an error report) or words taken as they are (paths, numbers, a library's
// message). vw3 fills the templates in English; the desktop program translates
// each template, then fills it.
//
// The libraries know no Qt, so they mark their templates with VW_TEXT and
// VW_TEXT_N, which lupdate reads as QT_TRANSLATE_NOOP and QT_TRANSLATE_N_NOOP3
// (translations/CMakeLists.txt tells it so).

#include <string>
#include <vector>

// A template: VW_TEXT("Errors", "Cannot open '%1': %2").
#define VW_TEXT(context, source) (::vw::Template{context, source, nullptr})
// A count's template: the English for many, then the English for one, which
// translators see as the message's disambiguation.
#define VW_TEXT_N(context, many, one) (::vw::Template{context, many, one})

// A field of a file named in a damage report ("the payload"): the literal itself,
// for functions that take a field's name as they read it; the report translates
// it in the "Fields" context, the one to write here.
#define VW_FIELD(context, source) source

namespace vw {

inline constexpr char kFieldContext[] = "Fields";

struct Template {
    const char* Context;
    const char* Source;
    const char* One;  // the English for a count of one; nullptr for a text without count
};

class Text {
public:
    Text() = default;
    Text(Template t, std::vector<Text> arguments = {});
    // A count's text; `count` fills %n.
    Text(Template t, long long count, std::vector<Text> arguments = {});
    // Words taken as they are, never translated.
    Text(std::string verbatim);
    Text(const char* verbatim);
    // Texts put together by a pattern that is no language's ("%1; %2"): the
    // pattern stays, its arguments are translated.
    static Text Untranslated(std::string pattern, std::vector<Text> arguments);
    // `parts` one after the other, `separator` between them.
    static Text Joined(const std::vector<Text>& parts, const std::string& separator);

    // Null for words taken as they are, "" for an untranslated pattern.
    const char* Context() const { return template_.Context; }
    // The English template, or the words taken as they are.
    const std::string& Source() const { return source_; }
    // The English for a count of one; nullptr for a text without count.
    const char* One() const { return template_.One; }
    bool HasCount() const { return template_.One != nullptr; }
    // No words at all: what a function that may say something returns when it has not.
    bool IsEmpty() const { return !Context() && source_.empty(); }
    long long Count() const { return count_; }
    const std::vector<Text>& Arguments() const { return arguments_; }

    // The text in English, filled in.
    std::string English() const;

private:
    Template template_{nullptr, nullptr, nullptr};
    std::string source_;
    long long count_ = 0;
    std::vector<Text> arguments_;
};

// `pattern` with each %1 to %9 replaced by its argument and %n by `count`, in one
// pass: an argument that holds "%2" keeps it. A % with no argument stays as it is.
std::string Fill(const std::string& pattern, const std::vector<std::string>& arguments,
                 long long count = 0);

}  // namespace vw
