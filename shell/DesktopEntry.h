#pragma once
// The desktop entry through which the desktop starts the program on a file.

#include <QByteArray>
#include <QString>

namespace ModFileExt {

// One Exec argument as a desktop entry must hold it: quoted, with the characters
// that are special inside quotes escaped, then escaped again as a key-file string.
QByteArray ExecArgument(const QByteArray& Argument);

// Text as a key-file string value: backslash and control characters escaped.
QByteArray KeyFileString(const QByteArray& Text);

// The whole entry: the program at ProgramPath opens files of our MIME type, the
// file's path being its one argument. Its texts come in every shipped language.
QByteArray DesktopEntryText(const QString& ProgramPath);

}  // namespace ModFileExt
