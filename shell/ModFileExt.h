#pragma once
// Tells the desktop about encrypted files, for the current user only, so that
// opening a .vw3 file from a file manager starts the program with that file's
// path. Everything goes under the user's XDG folders the freedesktop way: a MIME
// package, a desktop entry and a default-application line.

#include <string>

namespace ModFileExt {

// The MIME type encrypted files are registered under.
inline constexpr char MimeType[] = "application/x-vaultwise-encrypted";
// The desktop entry that opens them; also the default application's id.
inline constexpr char DesktopFileName[] = "moravi-vaultwise.desktop";
// The MIME package's file name in mime/packages.
inline constexpr char MimePackageName[] = "moravi-vaultwise.xml";

// Makes files named "*." + Extension known as TypeName and opened by ProgramPath,
// then refreshes the desktop's caches. Never throws and never reports: a step
// that fails leaves the association incomplete.
void RegisterFileType(const std::string& Extension, const std::string& TypeName,
                      const std::string& ProgramPath);

// The start-up step: registers the .vw3 type unless the "RegFileType" setting says
// that was done, then records "True" whatever the registration's outcome.
void RegisterOnFirstStart();

// The running program's own absolute path; "" when it cannot be determined.
std::string ProgramPath();

}  // namespace ModFileExt
