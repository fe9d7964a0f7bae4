#include "DoneNotifier.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>

#include "Plural.h"

namespace vwui {

namespace {

constexpr char kService[] = "org.freedesktop.Notifications";
constexpr char kPath[] = "/org/freedesktop/Notifications";
constexpr char kShowAction[] = "show";
constexpr int kCallTimeoutMs = 3000;  // a hung service must not hold the program

}  // namespace

DoneNotifier::DoneNotifier(QObject* parent) : QObject(parent) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    bus.connect(kService, kPath, kService, QStringLiteral("ActionInvoked"), this,
                SLOT(ActionInvoked(uint, QString)));
    bus.connect(kService, kPath, kService, QStringLiteral("NotificationClosed"), this,
                SLOT(NotificationClosed(uint, uint)));
}

bool DoneNotifier::Notify(const QStringList& Outputs) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || Outputs.isEmpty()) return false;
    QDBusInterface service(kService, kPath, kService, bus);
    service.setTimeout(kCallTimeoutMs);
    const QFileInfo output(Outputs.front());
    QStringList paths;
    for (const QString& path : Outputs)
        paths << QFileInfo(path).absoluteFilePath();
    const QString summary =
        Outputs.size() == 1 ? tr("%1 is ready").arg(output.fileName())
                            : Plural("vwui::DoneNotifier",
                                     QT_TRANSLATE_N_NOOP3("vwui::DoneNotifier",
                                                          "%n items are ready", "%n item is ready"),
                                     int(Outputs.size()));
    const QString where = Outputs.size() == 1 ? tr("Moravi Vaultwise wrote it in %1")
                                              : tr("Moravi Vaultwise wrote them in %1");
    // The "default" action is what a click on the notification itself does.
    const QStringList actions = {QStringLiteral("default"), tr("Show in folder"),
                                 QLatin1String(kShowAction), tr("Show in folder")};
    const QVariantMap hints = {
        {QStringLiteral("desktop-entry"), QStringLiteral("moravi-vaultwise")},
        {QStringLiteral("category"), QStringLiteral("transfer.complete")}};
    const QDBusReply<uint> id =
        service.call(QStringLiteral("Notify"), QStringLiteral("Moravi Vaultwise"), 0u,
                     QStringLiteral("moravi-vaultwise"), summary,
                     where.arg(output.absolutePath().toHtmlEscaped()), actions, hints, -1);
    if (!id.isValid()) return false;
    shown_.insert(id.value(), paths);
    return true;
}

void DoneNotifier::WaitWhileShown(std::chrono::milliseconds Limit) {
    if (shown_.isEmpty()) return;
    QEventLoop loop;
    QTimer::singleShot(Limit, &loop, &QEventLoop::quit);
    connect(this, &DoneNotifier::AllClosed, &loop, &QEventLoop::quit);
    loop.exec();
}

void DoneNotifier::ActionInvoked(uint Id, const QString& Key) {
    const auto output = shown_.constFind(Id);
    if (output == shown_.cend()) return;  // another program's notification
    if (Key == QLatin1String(kShowAction) || Key == QLatin1String("default"))
        ShowInFileManager(*output);
    Forget(Id);  // not every service closes a notification whose action was chosen
}

void DoneNotifier::NotificationClosed(uint Id, uint) {
    Forget(Id);
}

void DoneNotifier::Forget(uint Id) {
    if (shown_.remove(Id) && shown_.isEmpty()) emit AllClosed();
}

bool ShowInFileManager(const QStringList& Paths) {
    QDBusInterface manager(QStringLiteral("org.freedesktop.FileManager1"),
                           QStringLiteral("/org/freedesktop/FileManager1"),
                           QStringLiteral("org.freedesktop.FileManager1"),
                           QDBusConnection::sessionBus());
    manager.setTimeout(kCallTimeoutMs);
    QStringList urls;
    for (const QString& path : Paths)
        urls << QUrl::fromLocalFile(path).toString();
    const QDBusMessage reply = manager.call(QStringLiteral("ShowItems"), urls, QString());
    return reply.type() == QDBusMessage::ReplyMessage;
}

}  // namespace vwui
