#pragma once
// The desktop notification that says a run has written its output: sent to the
// freedesktop notification service over D-Bus, with an action that shows the output
// in the file manager. Without a session bus or a notification service nothing is
// shown and nothing fails.

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <chrono>

namespace vwui {

class DoneNotifier : public QObject {
    Q_OBJECT
public:
    explicit DoneNotifier(QObject* parent = nullptr);

    // Shows "<name> is ready" for the file or folder at Output, or "N items are
    // ready" for a batch's Outputs, with "Show in folder" selecting them all.
    // False when no notification service took it.
    bool Notify(const QStringList& Outputs);

    // Runs the event loop while a notification is on screen (at most Limit), so that a
    // program about to end can still open the folder when its action is chosen.
    void WaitWhileShown(std::chrono::milliseconds Limit);

signals:
    void AllClosed();

private slots:
    void ActionInvoked(uint Id, const QString& Key);
    void NotificationClosed(uint Id, uint Reason);

private:
    void Forget(uint Id);

    QHash<uint, QStringList> shown_;  // notification id -> the outputs it names
};

// Asks the desktop's file manager to show Paths selected in their folder; false
// when no file manager answers on D-Bus.
bool ShowInFileManager(const QStringList& Paths);

}  // namespace vwui
