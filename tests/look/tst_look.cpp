#include "ActionLabel.h"
#include "FocusMarkSides.h"
#include "Palette.h"
#include "Twips.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>
#include <QTest>

// An action label clicks as a button does: the left button pressed and
// released over it, or a key that presses a button. Anything else is no click.
class TestLook : public QObject
{
    Q_OBJECT
private slots:
    void actionLabelClicksOnlyAsAButtonDoes_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<QPoint>("pressAt");
        QTest::addColumn<QPoint>("releaseAt");
        QTest::addColumn<int>("clicks");
        QTest::newRow("left, released over it")
            << Qt::LeftButton << true << QPoint(5, 5) << QPoint(20, 8) << 1;
        QTest::newRow("left, released outside")
            << Qt::LeftButton << true << QPoint(5, 5) << QPoint(5, 60) << 0;
        QTest::newRow("left, released left of it")
            << Qt::LeftButton << true << QPoint(5, 5) << QPoint(-1, 5) << 0;
        QTest::newRow("right button")
            << Qt::RightButton << true << QPoint(5, 5) << QPoint(5, 5) << 0;
        QTest::newRow("left, released without a press")
            << Qt::LeftButton << false << QPoint() << QPoint(3, 3) << 0;
    }
    void actionLabelClicksOnlyAsAButtonDoes()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, pressed);
        QFETCH(QPoint, pressAt);
        QFETCH(QPoint, releaseAt);
        QFETCH(int, clicks);

        QWidget window;
        window.resize(200, 100);
        ActionLabel* label = ActionLabel::create(QStringLiteral("Close"), &window, {10, 10});
        window.show();
        QSignalSpy clicked(label, &ActionLabel::clicked);
        if (pressed)
            QTest::mousePress(label, button, {}, pressAt);
        QTest::mouseRelease(label, button, {}, releaseAt);
        QCOMPARE(clicked.count(), clicks);
    }

    void keysThatPressAButtonClick_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("held"); // long enough to repeat
        QTest::addColumn<int>("clicks");
        QTest::newRow("Return") << int(Qt::Key_Return) << false << 1;
        QTest::newRow("Enter") << int(Qt::Key_Enter) << false << 1;
        QTest::newRow("Space") << int(Qt::Key_Space) << false << 1;
        QTest::newRow("Return held") << int(Qt::Key_Return) << true << 1;
        QTest::newRow("Space held") << int(Qt::Key_Space) << true << 1;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << false << 0;
        QTest::newRow("a letter") << int(Qt::Key_A) << false << 0;
    }
    void keysThatPressAButtonClick()
    {
        QFETCH(int, key);
        QFETCH(bool, held);
        QFETCH(int, clicks);
        QWidget window;
        ActionLabel* label = ActionLabel::create(QStringLiteral("Close"), &window, {0, 0});
        window.show();
        QSignalSpy clicked(label, &ActionLabel::clicked);
        QTest::keyPress(label, Qt::Key(key));
        for (int repeat = 0; held && repeat < 3; ++repeat)
            QTest::simulateEvent(label, true, key, {}, QString(), true);
        QTest::keyRelease(label, Qt::Key(key));
        QCOMPARE(clicked.count(), clicks);
    }

    void focusMarkOnlyAfterTheKeyboard()
    {
        QWidget window;
        ActionLabel* first = ActionLabel::create(QStringLiteral("- Chord finder"), &window, {4, 4});
        ActionLabel::create(QStringLiteral("Quit"), &window, {4, 40});
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        first->setFocus();
        QVERIFY(first->hasFocus());
        // Focused, but no key pressed yet.
        QCOMPARE(measure::sidesShowing(first, palette::Action), 0);
        QTest::keyClick(&window, Qt::Key_Tab);
        QTest::keyClick(&window, Qt::Key_Backtab);
        QVERIFY(first->hasFocus());
        // The mark lies within the label, on all four sides.
        QCOMPARE(measure::sidesShowing(first, palette::Action), 4);
    }

    void mouseNeverTakesTheFocus()
    {
        QWidget window;
        ActionLabel* label = ActionLabel::create(QStringLiteral("Quit"), &window, {0, 0});
        window.show();
        QTest::mouseClick(label, Qt::LeftButton, {}, {3, 3});
        QVERIFY(!label->hasFocus());
    }

    void assistiveTechnologySeesAButton_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("accessibleName");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("accessibleRole");
        QTest::newRow("menu entry") << "- Chord finder" << int(ActionLabel::Role::Button)
                                    << QString() << "Chord finder" << int(QAccessible::Button);
        QTest::newRow("link") << "- kordelix@example.org" << int(ActionLabel::Role::Link)
                              << QString() << "kordelix@example.org" << int(QAccessible::Link);
        QTest::newRow("named") << "x" << int(ActionLabel::Role::Button) << "Close"
                               << "Close" << int(QAccessible::Button);
        QTest::newRow("switch") << "Favorites" << int(ActionLabel::Role::Toggle) << QString()
                                << "Favorites" << int(QAccessible::Button);
    }
    void assistiveTechnologySeesAButton()
    {
        QFETCH(QString, text);
        QFETCH(int, role);
        QFETCH(QString, accessibleName);
        QFETCH(QString, name);
        QFETCH(int, accessibleRole);
        QWidget window;
        auto* label = new ActionLabel(text, &window, ActionLabel::Role(role));
        label->setAccessibleName(accessibleName);
        window.show();
        QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(label);
        QVERIFY(seen);
        QCOMPARE(seen->text(QAccessible::Name), name);
        QCOMPARE(int(seen->role()), accessibleRole);
        QVERIFY(seen->state().focusable);
        QSignalSpy clicked(label, &ActionLabel::clicked);
        QAccessibleActionInterface* actions = seen->actionInterface();
        QVERIFY(actions);
        actions->doAction(actions->actionNames().first());
        QCOMPARE(clicked.count(), 1);
    }

    // At 96 dots per inch a pixel is 15 twips: lengths go to the nearest
    // pixel, halves to the even one.
    void twipsToPixels_data()
    {
        QTest::addColumn<double>("twips");
        QTest::addColumn<int>("pixels");
        const std::pair<double, int> rows[] = {{0, 0},      {15, 1},    {22, 1},   {23, 2},
                                               {7.5, 0},    {22.5, 2},  {37.5, 2}, {-23, -2},
                                               {9045, 603}, {5000, 333}};
        for (const auto& [twips, pixels] : rows)
            QTest::addRow("%g", twips) << twips << pixels;
    }
    void twipsToPixels()
    {
        QFETCH(double, twips);
        QFETCH(int, pixels);
        QCOMPARE(platform::TwipsPerPixel(), 15.0);
        QCOMPARE(platform::TwipsToPixels(twips), pixels);
        QCOMPARE(platform::TwipsRect(twips, 0, 0, twips), QRect(pixels, 0, 0, pixels));
    }

    void switchReportsItsState()
    {
        QWidget window;
        auto* label =
            new ActionLabel(QStringLiteral("Start/Stop"), &window, ActionLabel::Role::Toggle);
        window.show();
        QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(label);
        QVERIFY(seen->state().checkable);
        QVERIFY(!seen->state().checked);
        label->setChecked(true);
        QVERIFY(seen->state().checked);
    }
};

QTEST_MAIN(TestLook)
#include "tst_look.moc"
