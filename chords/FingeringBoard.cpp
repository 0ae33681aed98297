#include "FingeringBoard.h"

#include "ChordDisplay.h"
#include "ChordSpeech.h"
#include "FingeringAccessibility.h"
#include "GuitarStrings.h"
#include "KeyboardFocus.h"
#include "Palette.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace {

// Room between the board's pieces and the focus mark, and for the mark.
constexpr int MarkMargin = 2;

} // namespace

FingeringBoard::FingeringBoard(QWidget* window)
    : FretboardView(window, 1, ChordBoardLastFret, FretboardView::Mode::DisplayOnly)
{
    installFingeringAccessibility();
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
        if (!moveFocusString(event->key()))
            FretboardView::keyPressEvent(event);
    }
}

bool FingeringBoard::moveFocusString(int key)
{
    constexpr int LowE = guitar::StringCount;
    constexpr int HighE = 1;
    int to = focusString_;
    switch (key) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        to = focusString_ == 0 ? LowE : std::max(HighE, focusString_ - 1);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        to = focusString_ == 0 ? HighE : std::min(LowE, focusString_ + 1);
        break;
    case Qt::Key_Home:
        to = LowE;
        break;
    case Qt::Key_End:
        to = HighE;
        break;
    default:
        return false;
    }
    if (to != focusString_) { // the focus string stops at the edges
        focusString_ = to;
        reportFocusString(this);
    }
    return true;
}

void FingeringBoard::focusInEvent(QFocusEvent* event)
{
    focusString_ = 0;
    FretboardView::focusInEvent(event);
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
    chord_ = chord;
    setAccessibleDescription(spokenChord(chord));
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
