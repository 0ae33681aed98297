// Every window on a screen scaled by 2: its pictures keep their places and
// sizes in points and are drawn from the pictures drawn at twice the size, not
// from the others enlarged.

#include "AboutWindow.h"
#include "ChordFinderWindow.h"
#include "FakeDesktop.h"
#include "MainMenu.h"
#include "MetronomeWindow.h"
#include "NoteTableWindow.h"

#include <QApplication>
#include <QTest>

#include <functional>
#include <memory>

namespace {

using WindowMaker = std::function<QWidget*(platform::Desktop&)>;

// Pixels of a picture where it is opaque that differ from an image of the
// same size.
int opaqueDifferences(const QImage& picture, const QImage& shown)
{
    const QImage art = picture.convertToFormat(QImage::Format_ARGB32);
    const QImage seen = shown.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < art.height(); ++y) {
        for (int x = 0; x < art.width(); ++x) {
            const QRgb pixel = art.pixel(x, y);
            if (qAlpha(pixel) == 255 && pixel != seen.pixel(x, y))
                ++count;
        }
    }
    return count;
}

} // namespace

class tst_HiDpi : public QObject
{
    Q_OBJECT
private slots:
    void picturesAreDrawnAtTwiceTheSize_data();
    void picturesAreDrawnAtTwiceTheSize();
};

void tst_HiDpi::picturesAreDrawnAtTwiceTheSize_data()
{
    QTest::addColumn<WindowMaker>("makeWindow");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("picture");
    const WindowMaker mainMenu = [](platform::Desktop& d) { return new MainMenu(d); };
    const WindowMaker about = [](platform::Desktop& d) { return new AboutWindow(d, nullptr); };
    const WindowMaker chords = [](platform::Desktop& d) { return new ChordFinderWindow(d); };
    const WindowMaker notes = [](platform::Desktop& d) { return new NoteTableWindow(d); };
    const WindowMaker metronome = [](platform::Desktop& d) { return new MetronomeWindow(d); };
    QTest::newRow("main menu guitar") << mainMenu << "Image1"
                                      << "layout/main-guitar";
    QTest::newRow("About guitar") << about << "Image1"
                                  << "layout/red-guitar";
    // The first chord, C major, presses the B string at the first fret.
    QTest::newRow("pressed cell") << chords << "B(1)"
                                  << "bitmap-120";
    QTest::newRow("note table guitar") << notes << "Image1"
                                       << "layout/diagonal-guitar";
    QTest::newRow("slider pointer") << metronome << "imgSliderCursor"
                                    << "layout/slider-pointer";
}

void tst_HiDpi::picturesAreDrawnAtTwiceTheSize()
{
    QFETCH(WindowMaker, makeWindow);
    QFETCH(QString, element);
    QFETCH(QString, picture);
    const QImage single(QStringLiteral(":/pictures/%1.png").arg(picture));
    const QImage twice(QStringLiteral(":/pictures/%1@2x.png").arg(picture));
    QCOMPARE(twice.size(), single.size() * 2);
    const QImage enlarged =
        single.scaled(twice.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QVERIFY2(opaqueDifferences(twice, enlarged) > 0, "the large picture is only enlarged");

    platform::FakeDesktop desktop;
    const std::unique_ptr<QWidget> window(makeWindow(desktop));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto* shown = window->findChild<QWidget*>(element);
    QVERIFY(shown);
    QCOMPARE(shown->size(), single.size());
    const QImage screen = window->grab().toImage();
    QCOMPARE(screen.size(), window->size() * 2);
    const QRect where(shown->mapTo(window.get(), QPoint(0, 0)) * 2, twice.size());
    QCOMPARE(opaqueDifferences(twice, screen.copy(where)), 0);
}

int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    tst_HiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
