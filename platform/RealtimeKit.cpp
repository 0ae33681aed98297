#include "RealtimeKit.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <sys/resource.h>

namespace platform {

namespace {

const QString Service = QStringLiteral("org.freedesktop.RealtimeKit1");
const QString Path = QStringLiteral("/org/freedesktop/RealtimeKit1");
// An answer later than this is not waited for.
constexpr int AnswerMs = 2000;

QDBusMessage methodCall(const QString& interface, const char* method)
{
    return QDBusMessage::createMethodCall(Service, Path, interface, QString::fromLatin1(method));
}

// Stops this process's realtime threads once one has run for limitUs without
// blocking (the kernel sends SIGKILL), unless a lower limit is set already.
bool limitRealtimeTime(qlonglong limitUs)
{
    if (limitUs <= 0)
        return false;
    rlimit limit{};
    if (getrlimit(RLIMIT_RTTIME, &limit) == 0 && limit.rlim_max <= rlim_t(limitUs))
        return true;
    limit.rlim_cur = limit.rlim_max = rlim_t(limitUs);
    return setrlimit(RLIMIT_RTTIME, &limit) == 0;
}

} // namespace

RealtimeKit::RealtimeKit(QDBusConnection bus, QObject* parent)
    : QObject(parent), bus_(std::move(bus))
{}

void RealtimeKit::raise(quint64 thread)
{
    if (!bus_.isConnected())
        return;
    askProperty("RTTimeUSecMax", [this, thread](qlonglong limitUs) {
        if (!limitRealtimeTime(limitUs))
            return;
        QDBusMessage realtime = methodCall(Service, "MakeThreadRealtime");
        realtime << thread << Priority;
        ask(realtime, [this, thread](const QDBusMessage& answer) {
            if (answer.type() != QDBusMessage::ErrorMessage)
                return;
            askProperty("MinNiceLevel", [this, thread](qlonglong niceLevel) {
                QDBusMessage nicer = methodCall(Service, "MakeThreadHighPriority");
                nicer << thread << qint32(niceLevel);
                ask(nicer, {});
            });
        });
    });
}

void RealtimeKit::ask(const QDBusMessage& call, Answer then)
{
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, AnswerMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher, then = std::move(then)] {
        if (then)
            then(watcher->reply());
        watcher->deleteLater();
    });
}

// Hands on the property's value; nothing when it cannot be read.
void RealtimeKit::askProperty(const char* name, std::function<void(qlonglong)> then)
{
    QDBusMessage get = methodCall(QStringLiteral("org.freedesktop.DBus.Properties"), "Get");
    get << Service << QString::fromLatin1(name);
    ask(get, [then = std::move(then)](const QDBusMessage& answer) {
        const QVariant value = answer.arguments().value(0).value<QDBusVariant>().variant();
        bool number = false;
        const qlonglong n = value.toLongLong(&number);
        if (answer.type() == QDBusMessage::ReplyMessage && number)
            then(n);
    });
}

} // namespace platform
