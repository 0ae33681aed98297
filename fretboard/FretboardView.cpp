#include "FretboardView.h"

#include "CellTags.h"
#include "FretPiece.h"
#include "FretboardAccessibility.h"
#include "FretboardLayout.h"
#include "GuitarStrings.h"
#include "KeyboardFocus.h"
#include "Look.h"
#include "NoteNames.h"
#include "Palette.h"
#include "Resources.h"
#include "Twips.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>

namespace {

// Frets whose numbers are printed bold, as dot markers are on a real neck.
bool boldFret(int fret)
{
    return fret == 5 || fret == 7 || fret == 9 || fret == 12 || fret == 15;
}

QString indexedName(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QLabel* boardLabel(const QString& name, const QString& text, bool bold, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(look::sansSerifFont(8.25, bold));
    look::setTextColour(label, palette::Action);
    return label;
}

QRect pixelRect(const fretboard::TwipRect& r)
{
    return platform::TwipsRect(r.left, r.top, r.width, r.height);
}

QPoint pixelPoint(const fretboard::TwipRect& r)
{
    return pixelRect(r).topLeft();
}

QSize shownSize(const FretPiece* piece)
{
    return piece->size();
}

} // namespace

FretboardView::FretboardView(QWidget* window, int firstFret, int lastFret, Mode mode)
    : QWidget(window), mode_(mode), firstFret_(firstFret),
      lastFret_(std::max(firstFret, lastFret)), focus_{1, firstFret_}
{
    static const bool accessible = (fretboard::installAccessibility(), true);
    Q_UNUSED(accessible);
    setObjectName(QStringLiteral("fretboard"));
    if (mode == Mode::ClickableCells)
        setFocusPolicy(Qt::TabFocus);
    const QCursor hand = handCursor();

    // Pictures first, then the labels, which are drawn above them.
    topLeft_ = new FretPiece(QStringLiteral("imgLT"), this);
    for (int f = firstFret_; f <= lastFret_; ++f)
        topEdge_.push_back(new FretPiece(indexedName("imgTop", f), this));
    topRight_ = new FretPiece(QStringLiteral("imgRT"), this);
    for (int s = 1; s <= guitar::StringCount; ++s) {
        const QString row = QLatin1String(guitar::Strings[s - 1].row);
        open_[s - 1] = new FretPiece(row + QLatin1Char('0'), this);
        for (int f = firstFret_; f <= lastFret_; ++f) {
            auto* cell = new FretPiece(indexedName(guitar::Strings[s - 1].row, f), this);
            cell->setToolTip(notes::tagToolTip(notes::cellTag(s, f)));
            cell->setCellAddress(s, f);
            if (mode == Mode::ClickableCells) {
                cell->setCursor(hand);
                cell->setClickable(true);
                connect(cell, &FretPiece::clicked, this, [this, s, f] {
                    clicked_ = {s, f};
                    setFocusCell(clicked_);
                    reportFocusCell();
                    emit cellClicked(s, f);
                });
                connect(cell, &FretPiece::doubleClicked, this,
                        [this, s, f] { emit cellPlayed(s, f); });
            }
            cells_[s - 1].push_back(cell);
        }
        end_[s - 1] = new FretPiece(row + QLatin1Char('1'), this);
    }
    bottomLeft_ = new FretPiece(QStringLiteral("imgLB"), this);
    for (int f = firstFret_; f <= lastFret_; ++f)
        bottomEdge_.push_back(new FretPiece(indexedName("imgBottom", f), this));
    bottomRight_ = new FretPiece(QStringLiteral("imgRB"), this);

    for (int f = firstFret_; f <= lastFret_; ++f)
        fretNumbers_.push_back(
            boardLabel(indexedName("lblTop", f), QString::number(f), boldFret(f), this));
    for (int s = 1; s <= guitar::StringCount; ++s) {
        const QString letter = QLatin1String(guitar::Strings[s - 1].letter);
        stringNames_[s - 1] = boardLabel(
            QStringLiteral("lbl") + QLatin1String(guitar::Strings[s - 1].row), letter, true, this);
        if (mode == Mode::DisplayOnly) {
            open_[s - 1]->setToolTip(letter);
            stringNames_[s - 1]->setToolTip(letter);
        }
    }
}

void FretboardView::buildFretboard()
{
    topLeft_->setPicture(Picture::FrameTopLeft);
    topRight_->setPicture(Picture::FrameTopRight);
    bottomLeft_->setPicture(Picture::FrameBottomLeft);
    bottomRight_->setPicture(Picture::FrameBottomRight);
    for (std::size_t k = 0; k < topEdge_.size(); ++k) {
        topEdge_[k]->setPicture(Picture::FrameTop);
        bottomEdge_[k]->setPicture(Picture::FrameBottom);
    }
    for (int s = 0; s < guitar::StringCount; ++s) {
        open_[s]->setPicture(Picture::OpenString);
        end_[s]->setPicture(Picture::StringEnd);
        for (FretPiece* cell : cells_[s])
            cell->setPicture(Picture::PlainCell);
    }

    const fretboard::PieceSizes sizes{
        shownSize(topLeft_),    shownSize(topEdge_.front()),    shownSize(topRight_),
        shownSize(open_[0]),    shownSize(cells_[0].front()),   shownSize(end_[0]),
        shownSize(bottomLeft_), shownSize(bottomEdge_.front()), shownSize(bottomRight_)};
    const fretboard::Layout layout =
        fretboard::layOutFretboard(sizes, platform::TwipsPerPixel(), firstFret_, lastFret_);

    topLeft_->move(pixelPoint(layout.topLeft));
    topRight_->move(pixelPoint(layout.topRight));
    bottomLeft_->move(pixelPoint(layout.bottomLeft));
    bottomRight_->move(pixelPoint(layout.bottomRight));
    for (std::size_t k = 0; k < topEdge_.size(); ++k) {
        topEdge_[k]->move(pixelPoint(layout.top[k]));
        bottomEdge_[k]->move(pixelPoint(layout.bottom[k]));
        fretNumbers_[k]->setGeometry(pixelRect(layout.topLabel[k]));
    }
    for (int s = 0; s < guitar::StringCount; ++s) {
        const fretboard::StringRow& place = layout.rows[s];
        open_[s]->move(pixelPoint(place.open));
        stringNames_[s]->setGeometry(pixelRect(place.name));
        for (std::size_t k = 0; k < cells_[s].size(); ++k)
            cells_[s][k]->move(pixelPoint(place.cells[k]));
        end_[s]->move(pixelPoint(place.end));
    }
    // The view covers the board from the window's origin, so its children
    // stand at window coordinates.
    const QRect board = childrenRect();
    resize(board.right() + 1, board.bottom() + 1);
}

FretPiece* FretboardView::piece(int string, int fret) const
{
    if (string < 1 || string > guitar::StringCount || fret < firstFret_ || fret > lastFret_)
        return nullptr;
    return cells_[string - 1][fret - firstFret_];
}

FretPiece* FretboardView::open(int string) const
{
    return string >= 1 && string <= guitar::StringCount ? open_[string - 1] : nullptr;
}

Picture FretboardView::cell(int string, int fret) const
{
    const FretPiece* cell = piece(string, fret);
    return cell ? cell->picture() : Picture::PlainCell;
}

void FretboardView::setCell(int string, int fret, Picture picture)
{
    FretPiece* cell = piece(string, fret);
    if (!cell || cell->picture() == picture)
        return;
    const bool wasSelected = cellSelected(string, fret);
    cell->setPicture(picture);
    if (mode_ == Mode::ClickableCells && cellSelected(string, fret) != wasSelected) {
        QAccessibleEvent event(cell, wasSelected ? QAccessible::SelectionRemove
                                                 : QAccessible::SelectionAdd);
        QAccessible::updateAccessibility(&event);
    }
}

QWidget* FretboardView::cellWidget(int string, int fret) const
{
    return piece(string, fret);
}

bool FretboardView::cellSelected(int string, int fret) const
{
    return piece(string, fret) && cell(string, fret) != Picture::PlainCell;
}

Picture FretboardView::openString(int string) const
{
    const FretPiece* piece = open(string);
    return piece ? piece->picture() : Picture::OpenString;
}

void FretboardView::setOpenString(int string, Picture picture)
{
    FretPiece* piece = open(string);
    if (piece && piece->picture() != picture)
        piece->setPicture(picture);
}

void FretboardView::keyPressEvent(QKeyEvent* event)
{
    if (mode_ != Mode::ClickableCells) {
        QWidget::keyPressEvent(event);
        return;
    }
    CellAddress to = focus_;
    switch (event->key()) {
    case Qt::Key_Left:
        --to.fret;
        break;
    case Qt::Key_Right:
        ++to.fret;
        break;
    case Qt::Key_Up: // towards the high E string, the top row
        --to.string;
        break;
    case Qt::Key_Down:
        ++to.string;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        look::noteKeyboardUse(this);
        if (!event->isAutoRepeat()) {
            piece(focus_)->click();
            emit cellPlayed(focus_.string, focus_.fret);
        }
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    look::noteKeyboardUse(this);
    if (piece(to)) { // the focus cell stops at the edges
        setFocusCell(to);
        reportFocusCell();
    }
}

void FretboardView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (mode_ != Mode::ClickableCells)
        return;
    setFocusCell(cellSelected(clicked_.string, clicked_.fret) ? clicked_
                                                              : CellAddress{1, firstFret_});
    // Qt reports the board itself as focused once the focus has moved; the
    // cell follows, so that a screen reader ends on the cell.
    QMetaObject::invokeMethod(this, &FretboardView::reportFocusCell, Qt::QueuedConnection);
}

void FretboardView::setFocusCell(CellAddress at)
{
    piece(focus_)->setFocusCell(false);
    focus_ = at;
    piece(focus_)->setFocusCell(true);
}

QWidget* FretboardView::focusedCell() const
{
    return hasFocus() ? piece(focus_) : nullptr;
}

// Tells assistive technology which cell has the focus while the board has it.
void FretboardView::reportFocusCell()
{
    if (QWidget* focused = focusedCell()) {
        QAccessibleEvent event(focused, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}
