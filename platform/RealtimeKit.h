#pragma once

#include <QDBusConnection>
#include <QObject>
#include <functional>

class QDBusMessage;

namespace platform {

// Asks RealtimeKit, the desktop's broker of thread priorities on the system
// bus, to raise a thread that may not raise itself (any normal user's): to
// realtime scheduling at Priority, or where that is refused to the least nice
// level it allows. RealtimeKit grants realtime only to a process whose
// realtime threads are stopped once they run for its limit without blocking,
// so that limit is set on the process first.
//
// Every call is asynchronous: a RealtimeKit that hangs answers only after
// some 25 s, and the window must not wait for it. Whatever fails leaves the
// thread as it was, quietly.
class RealtimeKit : public QObject
{
public:
    explicit RealtimeKit(QDBusConnection bus, QObject* parent = nullptr);

    // thread: the kernel's id of one of this process's threads.
    void raise(quint64 thread);

    // Below the sound server's own threads (PulseAudio's run at 5).
    static constexpr quint32 Priority = 4;

private:
    using Answer = std::function<void(const QDBusMessage&)>;
    void ask(const QDBusMessage& call, Answer then);
    void askProperty(const char* name, std::function<void(qlonglong)> then);

    QDBusConnection bus_;
};

} // namespace platform
