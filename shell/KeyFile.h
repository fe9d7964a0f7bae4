#pragma once
// Editing of freedesktop key files ("[Section]" headers, "Key=Value" lines) as
// text, so that every line we do not own comes through unchanged.

#include <QByteArray>
#include <optional>

namespace ModFileExt {

// Text with Key set to Value in the first [Section]: an existing line for Key is
// replaced (later ones for it dropped), otherwise one is added after the section's
// last line; a missing section is appended.
QByteArray SetKeyValue(const QByteArray& Text, const QByteArray& Section, const QByteArray& Key,
                       const QByteArray& Value);

// Text without the lines for Key in the first [Section] that hold exactly Value.
QByteArray RemoveKeyValue(const QByteArray& Text, const QByteArray& Section, const QByteArray& Key,
                          const QByteArray& Value);

// The value of the first line for Key in the first [Section], its string escapes
// undone; nothing when there is no such line.
std::optional<QByteArray> KeyValue(const QByteArray& Text, const QByteArray& Section,
                                   const QByteArray& Key);

}  // namespace ModFileExt
