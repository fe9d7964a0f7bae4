#pragma once
// Tells the desktop about encrypted files, for the current user only, so that
// opening a .vw3 file from a file manager starts the program with that file's
// path. Everything goes under the user's XDG folders the freedesktop way: a MIME
// package, a desktop entry and a default-application line.

#include <string>
#include <vector>

namespace ModFileExt {

// The MIME type encrypted files are registered under.
inline constexpr char MimeType[] = "application/x-vaultwise-encrypted";
// Sealed files (.vws) travel with them: the same entry opens both.
inline constexpr char SealedMimeType[] = "application/x-vaultwise-sealed";
inline constexpr char SealedExtension[] = "vws";
inline constexpr char SealedTypeName[] = "Moravi Vaultwise sealed file";
// The desktop entry that opens them; also the default application's id.
inline constexpr char DesktopFileName[] = "moravi-vaultwise.desktop";
// The MIME package's file name in mime/packages.
inline constexpr char MimePackageName[] = "moravi-vaultwise.xml";

// Where the start-up records that the registration was done.
inline constexpr char ProductName[] = "Moravi Vaultwise";
inline constexpr char SettingsSection[] = "settings";
inline constexpr char RegisteredKey[] = "RegFileType";
// What the start-up registers: the extension and its display name.
inline constexpr char RegisteredExtension[] = "vw3";
inline constexpr char RegisteredTypeName[] = "Encrypted file";

// Makes files named "*." + Extension known as TypeName and opened by ProgramPath,
// then refreshes the desktop's caches. Never throws and never reports: a step
// that fails leaves the association incomplete. Writes nothing for an empty
// ProgramPath, nor when an installed entry of the same name already provides the
// association: a per-user entry would hide it.
void RegisterFileType(const std::string& Extension, const std::string& TypeName,
                      const std::string& ProgramPath);

// The start-up step: registers the .vw3 type and adds Thunar's actions unless the
// "RegFileType" setting says that was done and an association (ours or an installed
// one) still exists, then records "True" whatever the registration's outcome.
void RegisterOnFirstStart();

// The step of every start: an entry this program wrote for the user follows the
// running program (rewritten when it names another or a vanished one), and goes
// when an installed entry of the same name now provides the association; Thunar's
// actions, when the user has ours, follow the running program too.
void FollowProgram();

// Undoes the registration for this user: removes exactly the files it wrote (the
// document icons and Thunar's actions among them), its default-application line and
// the "RegFileType" setting, then refreshes the
// caches. Returns what was removed, one description per item.
std::vector<std::string> UnregisterFileType();

// The running program's own absolute path; "" when it cannot be determined.
std::string ProgramPath();

}  // namespace ModFileExt
