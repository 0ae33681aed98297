// The main menu, the About window and the rules every window follows: each
// tool exists once, Quit leaves open tools usable, About blocks the others.

#include "AboutDrag.h"
#include "AboutWindow.h"
#include "FakeDesktop.h"
#include "Look.h"
#include "MainMenu.h"
#include "Palette.h"
#include "Resources.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace {

QLabel* label(QWidget* window, const char* name)
{
    auto* found = window->findChild<QLabel*>(QLatin1String(name));
    if (!found)
        qFatal("no label %s", name);
    return found;
}

void click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// A click delivered through the window system, as a user's click is: unlike a
// click sent to the widget, it is held back while a modal window blocks.
void clickThroughWindow(QWidget* widget)
{
    QWidget* window = widget->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      widget->mapTo(window, widget->rect().center()));
}

bool anyWindowVisible()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            return true;
    return false;
}

QWidgetList toolWindows(const QString& name)
{
    QWidgetList found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            found << w;
    return found;
}

void deleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QRgb pixel(QWidget* widget, QPoint at)
{
    return widget->grab().toImage().pixel(at);
}

// Runs a check while a modal window is open; closes every modal window
// afterwards even when the check failed, so that exec() always returns.
void whileModal(std::function<void(QWidget*)> check)
{
    QTimer::singleShot(0, [check] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal)
            check(modal);
        while (QWidget* open = QApplication::activeModalWidget())
            open->close();
    });
}

} // namespace

class TestShell : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { look::installFontSubstitutions(); }
    void cleanup()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            w->close();
        deleteClosedWindows();
    }

    void mainMenuLooksAsDesigned()
    {
        MainMenu menu(desktop_);
        menu.show();
        QCOMPARE(menu.windowTitle(), QStringLiteral("Kordelix"));
        QCOMPARE(menu.size(), QSize(339, 226));
        QVERIFY(!menu.windowIcon().isNull());
        QCOMPARE(pixel(&menu, {330, 5}), qRgb(255, 220, 64));    // window background
        QCOMPARE(pixel(&menu, {300, 160}), qRgb(255, 255, 216)); // inside the panel
        QCOMPARE(pixel(&menu, {88, 100}), qRgb(0, 0, 0));        // panel outline, left
        QCOMPARE(pixel(&menu, {320, 176}), qRgb(0, 0, 0));       // panel outline, corner
    }

    void actionLabelsShareOneStyle_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("topLeft");
        for (auto [name, text, x, y] :
             {std::tuple{"lblChord", "- Chord finder", 112, 32},
              std::tuple{"lblNoteTable", "- Note table", 112, 64},
              std::tuple{"lblMetronome", "- Metronome", 112, 96},
              std::tuple{"lblAbout", "- About", 112, 128}, std::tuple{"lblQuit", "Quit", 280, 184}})
            QTest::newRow(name) << "main" << name << text << QPoint(x, y);
        QTest::newRow("About Close") << "about"
                                     << "lblClose"
                                     << "Close" << QPoint(192, 149);
    }
    void actionLabelsShareOneStyle()
    {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QPoint, topLeft);
        MainMenu menu(desktop_);
        AboutWindow about(desktop_, &menu);
        QWidget* host = window == QLatin1String("main") ? static_cast<QWidget*>(&menu) : &about;
        QLabel* l = label(host, name.toLatin1().constData());
        QCOMPARE(l->text(), text);
        QCOMPARE(l->pos(), topLeft);
        QCOMPARE(QFontInfo(l->font()).family(), QStringLiteral("Comic Neue"));
        QVERIFY(l->font().italic());
        QVERIFY(!l->font().bold());
        QCOMPARE(l->font().pointSizeF(), 12.0);
        QCOMPARE(l->palette().color(QPalette::WindowText).rgb(), palette::Action);
        QCOMPARE(l->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(l->cursor().hotSpot(), QPoint(5, 0));
        // Sized to its text: the whole caption fits, without a wide margin.
        const int textWidth = QFontMetrics(l->font()).horizontalAdvance(text);
        QVERIFY2(l->width() >= textWidth && l->width() <= textWidth + 12,
                 qPrintable(QStringLiteral("%1 for text %2").arg(l->width()).arg(textWidth)));
    }

    void eachToolOpensOnceAndReopensAfresh_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("clientSize");
        QTest::addColumn<QRgb>("background");
        QTest::newRow("chord finder") << "lblChord"
                                      << "frmChord"
                                      << "Chord finder" << QSize(397, 296) << qRgb(255, 255, 216);
        QTest::newRow("note table") << "lblNoteTable"
                                    << "frmNoteTable"
                                    << "Note table" << QSize(603, 369) << qRgb(255, 252, 208);
        QTest::newRow("metronome") << "lblMetronome"
                                   << "frmMetronome"
                                   << "Metronome" << QSize(299, 125) << qRgb(255, 220, 72);
    }
    void eachToolOpensOnceAndReopensAfresh()
    {
        QFETCH(QString, entry);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(QSize, clientSize);
        QFETCH(QRgb, background);
        MainMenu menu(desktop_);
        menu.show();
        QLabel* open = label(&menu, entry.toLatin1().constData());

        click(open);
        QCOMPARE(toolWindows(window).size(), 1);
        QPointer<QWidget> first = toolWindows(window).first();
        QCOMPARE(first->windowTitle(), caption);
        QCOMPARE(first->size(), clientSize);
        QCOMPARE(first->palette().color(QPalette::Window).rgb(), background);
        QVERIFY(!first->windowIcon().isNull());
        QVERIFY(!first->parentWidget()); // no owner
        QVERIFY(menu.isVisible());       // modeless: the menu stays usable

        // Asking again brings the same window forward, untouched.
        first->setProperty("touched", true);
        click(open);
        QCOMPARE(toolWindows(window).size(), 1);
        QCOMPARE(toolWindows(window).first(), first.data());
        QVERIFY(first->property("touched").toBool());

        // Its own "Close" destroys it; the next request loads a new one.
        click(label(first, "lblClose"));
        deleteClosedWindows();
        QVERIFY(first.isNull());
        click(open);
        QCOMPARE(toolWindows(window).size(), 1);
        QVERIFY(!toolWindows(window).first()->property("touched").isValid());
    }

    void quitLeavesOpenToolsUsable()
    {
        MainMenu menu(desktop_);
        menu.show();
        click(label(&menu, "lblNoteTable"));
        click(label(&menu, "lblQuit"));
        QVERIFY(!menu.isVisible());
        QCOMPARE(toolWindows(QStringLiteral("frmNoteTable")).size(), 1);

        click(label(toolWindows(QStringLiteral("frmNoteTable")).first(), "lblClose"));
        QVERIFY(!anyWindowVisible()); // nothing keeps the program alive now
    }

    void aboutIsModalAndBlocksTheOtherWindows()
    {
        MainMenu menu(desktop_);
        menu.show();
        click(label(&menu, "lblMetronome"));
        QWidget* metronome = toolWindows(QStringLiteral("frmMetronome")).first();

        bool checked = false;
        whileModal([&](QWidget* about) {
            QCOMPARE(about->objectName(), QStringLiteral("frmAbout"));
            QCOMPARE(about->parentWidget(), &menu);
            QCOMPARE(about->windowModality(), Qt::ApplicationModal);
            QVERIFY(about->windowFlags() & Qt::FramelessWindowHint);
            QCOMPARE(about->size(), QSize(264, 185));
            // Clicks on the other windows are swallowed while it is open.
            clickThroughWindow(label(&menu, "lblChord"));
            QVERIFY(toolWindows(QStringLiteral("frmChord")).isEmpty());
            clickThroughWindow(label(metronome, "lblClose"));
            QVERIFY(metronome->isVisible());
            checked = true;
        });
        click(label(&menu, "lblAbout")); // returns once the About window closed
        QVERIFY(checked);

        clickThroughWindow(label(&menu, "lblChord")); // usable again
        QCOMPARE(toolWindows(QStringLiteral("frmChord")).size(), 1);
    }

    void aboutClosesWithCloseAndX_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Close") << "lblClose";
        QTest::newRow("x") << "lblX";
    }
    void aboutClosesWithCloseAndX()
    {
        QFETCH(QString, name);
        MainMenu menu(desktop_);
        AboutWindow about(desktop_, &menu);
        about.show();
        QLabel* closer = label(&about, name.toLatin1().constData());
        QCOMPARE(closer->cursor().shape(), Qt::BitmapCursor);
        click(closer);
        QVERIFY(!about.isVisible());
    }

    void aboutLinksOpenTheirTargets_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("target");
        QTest::newRow("e-mail") << "lblEmail"
                                << "- kordelix@example.org"
                                << "mailto:kordelix@example.org";
        QTest::newRow("home page") << "lblHome"
                                   << "- http://kordelix.example.org"
                                   << "http://kordelix.example.org/kordelix.asp";
    }
    void aboutLinksOpenTheirTargets()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, target);
        desktop_.links.clear();
        MainMenu menu(desktop_);
        AboutWindow about(desktop_, &menu);
        about.show();
        QLabel* link = label(&about, name.toLatin1().constData());
        QCOMPARE(link->text(), caption);
        QCOMPARE(link->palette().color(QPalette::WindowText),
                 about.palette().color(QPalette::Highlight));
        click(link);
        QCOMPARE(desktop_.links, QStringList{target});
        QVERIFY(about.isVisible()); // the window stays open
    }

    void dragArithmetic_data()
    {
        QTest::addColumn<QPointF>("press");
        QTest::addColumn<QPointF>("pointer");
        QTest::addColumn<QPoint>("moved");
        // window corner at (3000, 2000) twips; pointer positions are client twips
        QTest::newRow("grab and move right-down")
            << QPointF(1000, 500) << QPointF(1150, 575) << QPoint(3150, 2075);
        QTest::newRow("grab and move left-up")
            << QPointF(1000, 500) << QPointF(940, 455) << QPoint(2940, 1955);
        QTest::newRow("leftmost column drags both ways")
            << QPointF(0, 500) << QPointF(45, 530) << QPoint(3045, 2030);
        QTest::newRow("top row drags both ways")
            << QPointF(600, 0) << QPointF(585, 60) << QPoint(2985, 2060);
        QTest::newRow("grab rounds half to even (down)")
            << QPointF(1000.5, 500.5) << QPointF(1000, 500) << QPoint(3000, 2000);
        QTest::newRow("grab rounds half to even (up)")
            << QPointF(1001.5, 501.5) << QPointF(1002, 502) << QPoint(3000, 2000);
    }
    void dragArithmetic()
    {
        QFETCH(QPointF, press);
        QFETCH(QPointF, pointer);
        QFETCH(QPoint, moved);
        AboutDrag drag;
        const QPoint corner(3000, 2000);
        QCOMPARE(drag.move(corner, pointer), corner); // no press, no move
        drag.press(press);
        QVERIFY(drag.dragging());
        QCOMPARE(drag.move(corner, pointer), moved);
        drag.release();
        QCOMPARE(drag.move(corner, pointer), corner);
    }

    void draggingTheBackgroundMovesTheWindow_data()
    {
        QTest::addColumn<QPoint>("press");
        QTest::newRow("inside") << QPoint(66, 33);
        QTest::newRow("left column") << QPoint(0, 60);
        QTest::newRow("top row") << QPoint(120, 0);
        QTest::newRow("on the guitar picture") << QPoint(40, 56);
    }
    void draggingTheBackgroundMovesTheWindow()
    {
        QFETCH(QPoint, press);
        MainMenu menu(desktop_);
        AboutWindow about(desktop_, &menu);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QPoint start = about.pos();
        QWidget* target = about.childAt(press) ? about.childAt(press) : &about;
        QTest::mousePress(target, Qt::LeftButton, {}, target->mapFrom(&about, press));
        QCOMPARE(about.cursor().shape(), Qt::SizeAllCursor);
        QTest::mouseMove(&about, press + QPoint(10, 5));
        QTRY_COMPARE(about.pos(), start + QPoint(10, 5));
        QTest::mouseRelease(&about, Qt::LeftButton, {}, press);
        QCOMPARE(about.cursor().shape(), Qt::ArrowCursor);
    }

    void pressesOnLabelsNeverDrag()
    {
        MainMenu menu(desktop_);
        AboutWindow about(desktop_, &menu);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QPoint start = about.pos();
        for (const char* name : {"lblEmail", "lblHome"}) {
            QLabel* l = label(&about, name);
            QTest::mousePress(l, Qt::LeftButton, {}, {2, 2});
            QTest::mouseMove(l, {30, 12});
            QTest::mouseRelease(l, Qt::LeftButton, {}, {30, 12});
        }
        QCOMPARE(about.pos(), start);
    }

private:
    platform::FakeDesktop desktop_;
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
