#include "FretboardView.h"

#include "CellTags.h"
#include "FretboardLayout.h"
#include "Look.h"
#include "Palette.h"
#include "Resources.h"
#include "Twips.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <functional>

// One picture of the board, shown at its natural size. A clickable piece
// reports a left press followed by a release over it.
class FretPiece : public QWidget
{
public:
    FretPiece(const QString& name, QWidget* parent) : QWidget(parent)
    {
        setObjectName(name);
        setAttribute(Qt::WA_OpaquePaintEvent, false);
    }

    const QPixmap& picture() const { return picture_; }

    void setPicture(const QPixmap& picture)
    {
        picture_ = picture;
        const QSize size = picture.deviceIndependentSize().toSize();
        if (size != this->size())
            resize(size);
        update();
    }

    std::function<void()> onClick;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (picture_.isNull())
            return;
        QPainter painter(this);
        painter.drawPixmap(0, 0, picture_);
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        pressed_ = onClick && event->button() == Qt::LeftButton;
        event->accept();
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        const bool click = pressed_ && event->button() == Qt::LeftButton &&
                           rect().contains(event->position().toPoint());
        pressed_ = false;
        event->accept();
        if (click)
            onClick();
    }

private:
    QPixmap picture_;
    bool pressed_ = false;
};

namespace {

constexpr std::array<const char*, 6> ArrayNames{"E", "B", "G", "D", "A", "Es"};
constexpr std::array<const char*, 6> StringLetters{"E", "B", "G", "D", "A", "E"};

// Frets whose numbers are printed bold, as dot markers are on a real neck.
bool boldFret(int fret)
{
    return fret == 5 || fret == 7 || fret == 9 || fret == 12 || fret == 15;
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

QPoint pixelPoint(const fretboard::TwipRect& r)
{
    return {platform::TwipsToPixels(r.left), platform::TwipsToPixels(r.top)};
}

QSize pixelSize(const fretboard::TwipRect& r)
{
    return {platform::TwipsToPixels(r.width), platform::TwipsToPixels(r.height)};
}

QSize shownSize(const FretPiece* piece)
{
    return piece->picture().deviceIndependentSize().toSize();
}

} // namespace

FretboardView::FretboardView(QWidget* window, int firstFret, int lastFret, Mode mode)
    : QWidget(window), firstFret_(firstFret), lastFret_(std::max(firstFret, lastFret)), mode_(mode)
{
    setObjectName(QStringLiteral("fretboard"));
    const auto indexed = [](const char* array, int index) {
        return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
    };

    // Pictures first, then the labels, which are drawn above them.
    imgLT = new FretPiece(QStringLiteral("imgLT"), this);
    for (int f = firstFret_; f <= lastFret_; ++f)
        imgTop.push_back(new FretPiece(indexed("imgTop", f), this));
    imgRT = new FretPiece(QStringLiteral("imgRT"), this);
    for (int s = 1; s <= notes::StringCount; ++s) {
        Row& r = rows_[s - 1];
        const QString array = QLatin1String(ArrayNames[s - 1]);
        r.open = new FretPiece(array + QLatin1Char('0'), this);
        for (int f = firstFret_; f <= lastFret_; ++f) {
            Cell c;
            c.piece = new FretPiece(indexed(ArrayNames[s - 1], f), this);
            c.tag = notes::CellTag(s, f);
            c.key = notes::TagKeyOf(c.tag);
            if (mode_ == Mode::ClickableCells)
                c.piece->onClick = [this, s, f] { emit cellClicked(s, f); };
            r.cells.push_back(c);
        }
        r.end = new FretPiece(array + QLatin1Char('1'), this);
    }
    imgLB = new FretPiece(QStringLiteral("imgLB"), this);
    for (int f = firstFret_; f <= lastFret_; ++f)
        imgBottom.push_back(new FretPiece(indexed("imgBottom", f), this));
    imgRB = new FretPiece(QStringLiteral("imgRB"), this);

    for (int f = firstFret_; f <= lastFret_; ++f)
        lblTop.push_back(boardLabel(indexed("lblTop", f), QString::number(f), boldFret(f), this));
    for (int s = 1; s <= notes::StringCount; ++s) {
        rows_[s - 1].name = boardLabel(QStringLiteral("lbl") + QLatin1String(ArrayNames[s - 1]),
                                       QLatin1String(StringLetters[s - 1]), true, this);
    }
}

void FretboardView::BuildFretboard(const QPixmap& plainCellPicture)
{
    const QCursor hand = mode_ == Mode::ClickableCells ? handCursor() : QCursor();

    imgLT->setPicture(loadPicture(Picture::FrameTopLeft));
    imgRT->setPicture(loadPicture(Picture::FrameTopRight));
    imgLB->setPicture(loadPicture(Picture::FrameBottomLeft));
    imgRB->setPicture(loadPicture(Picture::FrameBottomRight));
    const QPixmap topEdge = loadPicture(Picture::FrameTop);
    const QPixmap bottomEdge = loadPicture(Picture::FrameBottom);
    for (std::size_t k = 0; k < imgTop.size(); ++k) {
        imgTop[k]->setPicture(topEdge);
        imgBottom[k]->setPicture(bottomEdge);
    }
    const QPixmap openPiece = loadPicture(Picture::OpenString);
    const QPixmap endPiece = loadPicture(Picture::StringEnd);
    for (int s = 1; s <= notes::StringCount; ++s) {
        Row& r = rows_[s - 1];
        r.open->setPicture(openPiece);
        r.openMarked = false;
        r.end->setPicture(endPiece);
        const QString letter = QLatin1String(StringLetters[s - 1]);
        if (mode_ == Mode::DisplayOnly) {
            r.open->setToolTip(letter);
            r.name->setToolTip(letter);
        }
        for (Cell& c : r.cells) {
            c.piece->setPicture(plainCellPicture);
            c.marked = false;
            c.piece->setToolTip(notes::TagToolTip(c.tag));
            if (mode_ == Mode::ClickableCells)
                c.piece->setCursor(hand);
        }
    }

    const fretboard::PieceSizes sizes{shownSize(imgLT),
                                      shownSize(imgTop.front()),
                                      shownSize(imgRT),
                                      shownSize(rows_[0].open),
                                      shownSize(rows_[0].cells.front().piece),
                                      shownSize(rows_[0].end),
                                      shownSize(imgLB),
                                      shownSize(imgBottom.front()),
                                      shownSize(imgRB)};
    const fretboard::Layout layout =
        fretboard::LayOutFretboard(sizes, platform::TwipsPerPixel(), firstFret_, lastFret_);

    imgLT->move(pixelPoint(layout.topLeft));
    imgRT->move(pixelPoint(layout.topRight));
    imgLB->move(pixelPoint(layout.bottomLeft));
    imgRB->move(pixelPoint(layout.bottomRight));
    for (std::size_t k = 0; k < imgTop.size(); ++k) {
        imgTop[k]->move(pixelPoint(layout.top[k]));
        imgBottom[k]->move(pixelPoint(layout.bottom[k]));
        lblTop[k]->setGeometry(
            QRect(pixelPoint(layout.topLabel[k]), pixelSize(layout.topLabel[k])));
    }
    for (int s = 1; s <= notes::StringCount; ++s) {
        Row& r = rows_[s - 1];
        const fretboard::StringRow& place = layout.rows[s - 1];
        r.open->move(pixelPoint(place.open));
        r.name->setGeometry(QRect(pixelPoint(place.name), pixelSize(place.name)));
        for (std::size_t k = 0; k < r.cells.size(); ++k)
            r.cells[k].piece->move(pixelPoint(place.cells[k]));
        r.end->move(pixelPoint(place.end));
    }
    // The view covers the board from the window's origin, so its children
    // stand at window coordinates.
    const QRect board = childrenRect();
    resize(board.right() + 1, board.bottom() + 1);
}

bool FretboardView::hasCell(int string, int fret) const
{
    return string >= 1 && string <= notes::StringCount && fret >= firstFret_ && fret <= lastFret_;
}

const FretboardView::Cell* FretboardView::cell(int string, int fret) const
{
    return hasCell(string, fret) ? &rows_[string - 1].cells[fret - firstFret_] : nullptr;
}

FretboardView::Cell* FretboardView::cell(int string, int fret)
{
    return hasCell(string, fret) ? &rows_[string - 1].cells[fret - firstFret_] : nullptr;
}

const FretboardView::Row* FretboardView::row(int string) const
{
    return string >= 1 && string <= notes::StringCount ? &rows_[string - 1] : nullptr;
}

QPixmap FretboardView::cellPicture(int string, int fret) const
{
    const Cell* c = cell(string, fret);
    return c ? c->piece->picture() : QPixmap();
}

void FretboardView::setCellPicture(int string, int fret, const QPixmap& picture)
{
    Cell* c = cell(string, fret);
    if (!c)
        return;
    c->piece->setPicture(picture);
    emit cellPictureSet(string, fret);
}

bool FretboardView::cellMarked(int string, int fret) const
{
    const Cell* c = cell(string, fret);
    return c && c->marked;
}

void FretboardView::setCellMarked(int string, int fret, bool marked)
{
    if (Cell* c = cell(string, fret))
        c->marked = marked;
}

QString FretboardView::cellTag(int string, int fret) const
{
    const Cell* c = cell(string, fret);
    return c ? c->tag : QString();
}

notes::TagKey FretboardView::cellKey(int string, int fret) const
{
    const Cell* c = cell(string, fret);
    return c ? c->key : notes::TagKey{};
}

QWidget* FretboardView::cellWidget(int string, int fret) const
{
    const Cell* c = cell(string, fret);
    return c ? c->piece : nullptr;
}

QPixmap FretboardView::openPicture(int string) const
{
    const Row* r = row(string);
    return r ? r->open->picture() : QPixmap();
}

void FretboardView::setOpenPicture(int string, const QPixmap& picture)
{
    const Row* r = row(string);
    if (!r)
        return;
    r->open->setPicture(picture);
    emit openPictureSet(string);
}

bool FretboardView::openMarked(int string) const
{
    const Row* r = row(string);
    return r && r->openMarked;
}

void FretboardView::setOpenMarked(int string, bool marked)
{
    if (string >= 1 && string <= notes::StringCount)
        rows_[string - 1].openMarked = marked;
}
