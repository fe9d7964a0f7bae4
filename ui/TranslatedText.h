#pragma once
// An engine text in the user's language: its template through the catalogs (a
// count's in the plural form the language takes), then filled with its
// arguments, each translated the same way; words taken as they are stay as
// they are. With no catalog for the language it is the engine's English.

#include <QString>

#include "Text.h"

namespace vwui {

QString Translated(const vw::Text& Text);

}  // namespace vwui
