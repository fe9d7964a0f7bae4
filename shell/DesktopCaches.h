#pragma once
// Rebuilds the desktop's caches after the association files changed, so the
// change takes effect without a new login.

#include <QString>

namespace ModFileExt {

// Runs update-mime-database and update-desktop-database on the user's data folder
// DataHome, each only when installed and each given a bounded time.
void RefreshDesktopCaches(const QString& DataHome);

}  // namespace ModFileExt
