#include "ActionLabel.h"

#include <QSignalSpy>
#include <QTest>

// An action label clicks as a button does: the left button pressed and
// released over it. Anything else is no click.
class TestLook : public QObject
{
    Q_OBJECT
private slots:
    void actionLabelClicksOnlyAsAButtonDoes_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("pressAt");
        QTest::addColumn<QPoint>("releaseAt");
        QTest::addColumn<int>("clicks");
        QTest::newRow("left, released over it")
            << Qt::LeftButton << QPoint(5, 5) << QPoint(20, 8) << 1;
        QTest::newRow("left, released outside")
            << Qt::LeftButton << QPoint(5, 5) << QPoint(5, 60) << 0;
        QTest::newRow("left, released left of it")
            << Qt::LeftButton << QPoint(5, 5) << QPoint(-1, 5) << 0;
        QTest::newRow("right button") << Qt::RightButton << QPoint(5, 5) << QPoint(5, 5) << 0;
    }
    void actionLabelClicksOnlyAsAButtonDoes()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, pressAt);
        QFETCH(QPoint, releaseAt);
        QFETCH(int, clicks);

        QWidget window;
        window.resize(200, 100);
        ActionLabel* label = ActionLabel::create(QStringLiteral("Close"), &window, {10, 10});
        window.show();
        QSignalSpy clicked(label, &ActionLabel::clicked);
        QTest::mousePress(label, button, {}, pressAt);
        QTest::mouseRelease(label, button, {}, releaseAt);
        QCOMPARE(clicked.count(), clicks);
    }

    void releaseWithoutPressIsNoClick()
    {
        QWidget window;
        ActionLabel* label = ActionLabel::create(QStringLiteral("Quit"), &window, {0, 0});
        window.show();
        QSignalSpy clicked(label, &ActionLabel::clicked);
        QTest::mouseRelease(label, Qt::LeftButton, {}, {3, 3});
        QCOMPARE(clicked.count(), 0);
    }
};

QTEST_MAIN(TestLook)
#include "tst_look.moc"
