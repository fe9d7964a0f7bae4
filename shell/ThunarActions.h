#pragma once
// Encrypt and Decrypt in Thunar's context menu. Thunar reads its custom actions
// from the user's Thunar/uca.xml only, so the registration adds ours there and the
// unregistration takes them out again, every other action left as it was.

#include <QByteArray>
#include <QString>

namespace ModFileExt {

// The actions file's text with our two actions for ProgramPath in place of any
// earlier ones of ours; Text is the file as it is ("" for none).
QByteArray WithThunarActions(const QByteArray& Text, const QString& ProgramPath);

// The text without our actions.
QByteArray WithoutThunarActions(const QByteArray& Text);

// Adds the actions for the user when Thunar is installed or has been set up for the
// user; a user file is started from the system's, so its default actions stay.
// Decrypt also goes into Thunar's Send To menu, which matches MIME types (unless
// an installed package put it there).
void AddThunarActions(const QString& ProgramPath);

// Rewrites our actions, when the user's file has them, to run ProgramPath: the
// program was moved, or an installed copy now runs.
void FollowThunarActions(const QString& ProgramPath);

// Takes our actions out of the user's file (and the file itself when what is left
// is the system's copy); returns the file's path when it changed, "" otherwise.
QString RemoveThunarActions();

// Removes our Send To entry from the user's data folder; its path when it did.
QString RemoveThunarSendTo();

}  // namespace ModFileExt
