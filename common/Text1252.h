#pragma once
// Conversion between the program's UTF-8 texts and the Windows-1252 bytes that
// go into files, so names and passwords survive a trip between Linux and Windows.
//
// Names: a name Windows-1252 can hold is stored in Windows-1252, unless those
// bytes would read back as another name; any other name is stored as its UTF-8
// bytes. Reading back, a stored name that is valid UTF-8
// and has at least one byte above 0x7F is taken as UTF-8, anything else as
// Windows-1252. (Pure ASCII is the same in both.)
//
// Passwords have no such fallback: a character Windows-1252 cannot hold is an error,
// since the stored password must compare equal on any machine.

#include <optional>
#include <string>
#include <string_view>

namespace Text1252 {

// Windows-1252 bytes for `utf8`, or nothing when a character has no Windows-1252
// code or `utf8` is not valid UTF-8.
std::optional<std::string> FromUtf8Strict(std::string_view utf8);

// UTF-8 for Windows-1252 bytes. The five unassigned codes map to U+0081 etc.
std::string ToUtf8(std::string_view cp1252);

// The bytes to store for a name (see the rule above).
std::string NameToFile(std::string_view utf8);

// The UTF-8 name for stored bytes (see the rule above).
std::string NameFromFile(std::string_view stored);

// True when `name` comes back as itself from its stored bytes. Not so for a name
// that is not valid UTF-8: a stored name always reads back as valid UTF-8.
bool NameSurvives(std::string_view name);

// Lower and upper case of Windows-1252 text: ASCII and the accented Latin letters.
std::string Lower(std::string_view cp1252);
std::string Upper(std::string_view cp1252);

bool IsValidUtf8(std::string_view bytes);

}  // namespace Text1252
