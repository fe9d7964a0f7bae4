#include "TranslatedText.h"

#include <QCoreApplication>
#include <string>
#include <vector>

#include "Plural.h"

namespace vwui {

namespace {

QString Pattern(const vw::Text& text) {
    const QString source = QString::fromStdString(text.Source());
    if (!*text.Context()) return source;  // a pattern that is no language's
    const std::string bytes = text.Source();
    if (text.HasCount())
        return Plural(text.Context(), {bytes.c_str(), text.One()}, int(text.Count()));
    return QCoreApplication::translate(text.Context(), bytes.c_str());
}

}  // namespace

QString Translated(const vw::Text& Text) {
    if (!Text.Context()) return QString::fromStdString(Text.Source());
    std::vector<std::string> arguments;
    for (const vw::Text& argument : Text.Arguments())
        arguments.push_back(Translated(argument).toStdString());
    return QString::fromStdString(vw::Fill(Pattern(Text).toStdString(), arguments, Text.Count()));
}

}  // namespace vwui
