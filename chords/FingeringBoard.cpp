#include "FingeringBoard.h"

#include "ChordDisplay.h"
#include "KeyboardFocus.h"
#include "Palette.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>

namespace {

// Room between the board's pieces and the focus mark, and for the mark.
constexpr int MarkMargin = 2;

// The board as assistive technology sees it: one picture, named and described
// by the widget's accessible name and description.
class AccessibleFingering : public QAccessibleWidget
{
public:
    explicit AccessibleFingering(QWidget* board) : QAccessibleWidget(board, QAccessible::Graphic) {}

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
};

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("FingeringBoard") && object && object->isWidgetType())
        return new AccessibleFingering(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

FingeringBoard::FingeringBoard(QWidget* window)
    : FretboardView(window, 1, ChordBoardLastFret, FretboardView::Mode::DisplayOnly)
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleFactory), true);
    Q_UNUSED(factoryInstalled);
    setAccessibleName(QStringLiteral("Fingering"));
    setFocusPolicy(Qt::TabFocus);
    buildFretboard();
    // The view covers the board from the window's origin; it grows to the
    // right and below to hold the focus mark.
    resize(size() + QSize(MarkMargin, MarkMargin));
}

void FingeringBoard::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        look::noteKeyboardUse(this);
        if (!event->isAutoRepeat())
            emit strumRequested();
        break;
    default:
        FretboardView::keyPressEvent(event);
    }
}

void FingeringBoard::showChord(const ChordRecord& chord)
{
    const ChordPictures shown = chordPictures(chord);
    for (int s = 1; s <= guitar::StringCount; ++s) {
        const auto& string = shown[std::size_t(s - 1)];
        setOpenString(s, string[0]);
        for (int f = 1; f <= ChordBoardLastFret; ++f)
            setCell(s, f, string[std::size_t(f)]);
    }
    setAccessibleDescription(chordChart(chord));
}

void FingeringBoard::paintEvent(QPaintEvent* event)
{
    FretboardView::paintEvent(event);
    if (look::showsFocusMark(this)) {
        QPainter painter(this);
        const QRect board = childrenRect();
        look::drawFocusMark(painter,
                            board.adjusted(-MarkMargin, -MarkMargin, MarkMargin, MarkMargin),
                            QColor::fromRgb(palette::Action));
    }
}
