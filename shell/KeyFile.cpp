#include "KeyFile.h"

#include <QList>

namespace ModFileExt {

namespace {

bool IsSectionHeader(const QByteArray& line) {
    return line.trimmed().startsWith('[');
}

bool IsLineForKey(const QByteArray& line, const QByteArray& Key) {
    const qsizetype equals = line.indexOf('=');
    return equals > 0 && line.left(equals).trimmed() == Key;
}

// Index of the first "[Section]" header, or -1.
qsizetype FindSection(const QList<QByteArray>& lines, const QByteArray& Section) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed() == '[' + Section + ']') return i;
    }
    return -1;
}

QList<QByteArray> Lines(const QByteArray& Text) {
    QList<QByteArray> lines = Text.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.pop_back();  // the final newline
    return lines;
}

QByteArray Joined(const QList<QByteArray>& lines) {
    QByteArray text;
    for (const QByteArray& line : lines)
        text += line + '\n';
    return text;
}

// Index just past the last non-blank line of the section whose header is at `header`,
// so a blank line that separates it from the next section stays where it is.
qsizetype EndOfSection(const QList<QByteArray>& lines, qsizetype header) {
    qsizetype end = header + 1;
    for (qsizetype i = header + 1; i < lines.size() && !IsSectionHeader(lines[i]); ++i) {
        if (!lines[i].trimmed().isEmpty()) end = i + 1;
    }
    return end;
}

QByteArray ValueOf(const QByteArray& line) {
    return line.mid(line.indexOf('=') + 1).trimmed();
}

// Undoes the key-file string escapes \s \n \t \r and \\.
QByteArray Unescaped(const QByteArray& Value) {
    QByteArray text;
    for (qsizetype i = 0; i < Value.size(); ++i) {
        if (Value[i] != '\\' || i + 1 == Value.size()) {
            text += Value[i];
            continue;
        }
        const char next = Value[++i];
        text += next == 's'   ? ' '
                : next == 'n' ? '\n'
                : next == 't' ? '\t'
                : next == 'r' ? '\r'
                              : next;
    }
    return text;
}

}  // namespace

QByteArray SetKeyValue(const QByteArray& Text, const QByteArray& Section, const QByteArray& Key,
                       const QByteArray& Value) {
    QList<QByteArray> lines = Lines(Text);
    const QByteArray entry = Key + '=' + Value;
    const qsizetype header = FindSection(lines, Section);
    if (header < 0) {
        if (!lines.isEmpty() && !lines.back().trimmed().isEmpty()) lines.append(QByteArray());
        lines.append('[' + Section + ']');
        lines.append(entry);
        return Joined(lines);
    }
    bool replaced = false;
    for (qsizetype i = header + 1; i < lines.size() && !IsSectionHeader(lines[i]);) {
        if (!IsLineForKey(lines[i], Key)) {
            ++i;
        } else if (!replaced) {
            lines[i++] = entry;
            replaced = true;
        } else {
            lines.removeAt(i);
        }
    }
    if (!replaced) lines.insert(EndOfSection(lines, header), entry);
    return Joined(lines);
}

}  // namespace ModFileExt

namespace ModFileExt {

QByteArray RemoveKeyValue(const QByteArray& Text, const QByteArray& Section, const QByteArray& Key,
                          const QByteArray& Value) {
    QList<QByteArray> lines = Lines(Text);
    const qsizetype header = FindSection(lines, Section);
    if (header < 0) return Text;
    for (qsizetype i = header + 1; i < lines.size() && !IsSectionHeader(lines[i]);) {
        if (IsLineForKey(lines[i], Key) && ValueOf(lines[i]) == Value)
            lines.removeAt(i);
        else
            ++i;
    }
    return Joined(lines);
}

std::optional<QByteArray> KeyValue(const QByteArray& Text, const QByteArray& Section,
                                   const QByteArray& Key) {
    const QList<QByteArray> lines = Lines(Text);
    const qsizetype header = FindSection(lines, Section);
    if (header < 0) return std::nullopt;
    for (qsizetype i = header + 1; i < lines.size() && !IsSectionHeader(lines[i]); ++i)
        if (IsLineForKey(lines[i], Key)) return Unescaped(ValueOf(lines[i]));
    return std::nullopt;
}

}  // namespace ModFileExt
