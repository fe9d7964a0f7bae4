#include "DesktopCaches.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace ModFileExt {

namespace {

constexpr int ToolTimeoutMs = 30000;

// Runs a tool found on PATH, its output discarded; a missing tool is no failure.
void RunIfInstalled(const QString& Tool, const QStringList& Arguments) {
    const QString program = QStandardPaths::findExecutable(Tool);
    if (program.isEmpty()) return;
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, Arguments);
    if (!process.waitForFinished(ToolTimeoutMs)) {
        process.kill();
        process.waitForFinished();
    }
}

}  // namespace

void RefreshDesktopCaches(const QString& DataHome) {
    RunIfInstalled(QStringLiteral("update-mime-database"), {DataHome + QStringLiteral("/mime")});
    RunIfInstalled(QStringLiteral("update-desktop-database"),
                   {DataHome + QStringLiteral("/applications")});
}

}  // namespace ModFileExt
