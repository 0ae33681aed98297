// Raising a thread through RealtimeKit, against a broker the test plays on a
// private peer-to-peer connection: what it is asked, in which order, and the
// limit the process must set before it grants realtime.

#include "RealtimeKit.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusServer>
#include <QTest>
#include <sys/resource.h>

namespace {

// The broker: grants realtime or refuses it, and records every request.
class FakeRealtimeKit : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.RealtimeKit1")
    Q_PROPERTY(qlonglong RTTimeUSecMax MEMBER limitUs)
    Q_PROPERTY(int MinNiceLevel MEMBER minNice)

public:
    qlonglong limitUs = 0;
    int minNice = 0;
    bool grantsRealtime = true;
    QStringList requests;
    rlim_t hardLimitAtRequest = RLIM_INFINITY;

public slots:
    void MakeThreadRealtime(qulonglong thread, uint priority)
    {
        record(QStringLiteral("realtime %1 %2").arg(thread).arg(priority));
        if (!grantsRealtime)
            sendErrorReply(QDBusError::AccessDenied, QStringLiteral("Operation not permitted"));
    }
    void MakeThreadHighPriority(qulonglong thread, int niceLevel)
    {
        record(QStringLiteral("nice %1 %2").arg(thread).arg(niceLevel));
    }

private:
    void record(const QString& request)
    {
        requests << request;
        rlimit limit{};
        getrlimit(RLIMIT_RTTIME, &limit);
        hardLimitAtRequest = limit.rlim_max;
    }
};

} // namespace

class TestRealtimeKit : public QObject
{
    Q_OBJECT

private slots:
    void raise_data();
    void raise();
};

void TestRealtimeKit::raise_data()
{
    QTest::addColumn<bool>("grantsRealtime");
    QTest::addColumn<qlonglong>("limitUs");
    QTest::addColumn<QStringList>("requests");

    QTest::newRow("realtime granted")
        << true << 150000LL << QStringList{QStringLiteral("realtime 4321 4")};
    QTest::newRow("realtime refused, then the least nice level")
        << false << 120000LL
        << QStringList{QStringLiteral("realtime 4321 4"), QStringLiteral("nice 4321 -13")};
    // Without a limit to keep to, realtime cannot be granted: nothing is asked.
    QTest::newRow("no limit given") << true << 0LL << QStringList{};
}

// The process's limit only ever goes down, so each row asks for a lower one.
void TestRealtimeKit::raise()
{
    QFETCH(bool, grantsRealtime);
    QFETCH(qlonglong, limitUs);
    QFETCH(QStringList, requests);

    rlimit before{};
    getrlimit(RLIMIT_RTTIME, &before);
    FakeRealtimeKit broker;
    broker.limitUs = limitUs;
    broker.minNice = -13;
    broker.grantsRealtime = grantsRealtime;
    QDBusServer server;
    connect(&server, &QDBusServer::newConnection, &broker, [&broker](QDBusConnection peer) {
        peer.registerObject(QStringLiteral("/org/freedesktop/RealtimeKit1"), &broker,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties);
    });
    const QString name = QTest::currentDataTag();
    platform::RealtimeKit kit(QDBusConnection::connectToPeer(server.address(), name));
    kit.raise(4321);

    if (requests.isEmpty()) {
        // Whatever was to be asked has been asked by then.
        QTest::qWait(300);
        QCOMPARE(broker.requests, requests);
        rlimit after{};
        getrlimit(RLIMIT_RTTIME, &after);
        QCOMPARE(after.rlim_max, before.rlim_max);
    } else {
        QTRY_COMPARE(broker.requests, requests);
        QCOMPARE(broker.hardLimitAtRequest, rlim_t(limitUs));
    }
    QDBusConnection::disconnectFromPeer(name);
}

QTEST_GUILESS_MAIN(TestRealtimeKit)
#include "tst_realtimekit.moc"
