#include "TempoSlider.h"

#include "Resources.h"
#include "Tempo.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The sizes of the bar and of the pointer stand in while their pictures are
// missing, so that the slider keeps its place and its mouse area.
constexpr QSize BarSize{220, 22};
constexpr QSize PointerSize{32, 32};
// The pointer's top lies this many pixels below the bar's top.
constexpr int PointerDrop = 11;

QSize sizeOf(const QPixmap& picture, QSize nominal)
{
    return picture.isNull() ? nominal : picture.size();
}

} // namespace

TempoSlider::TempoSlider(QPoint topLeft, QWidget* parent)
    : QWidget(parent), bar_(loadPicture(Picture::SliderBar)), pointer_(new QLabel(parent))
{
    setObjectName(QStringLiteral("imgSlider"));
    setGeometry(QRect(topLeft, sizeOf(bar_, BarSize)));
    setCursor(handCursor());

    const QPixmap pointer = loadPicture(Picture::SliderPointer);
    pointer_->setObjectName(QStringLiteral("imgSliderCursor"));
    pointer_->setPixmap(pointer);
    pointer_->setGeometry(QRect(QPoint(0, y() + PointerDrop), sizeOf(pointer, PointerSize)));
    pointer_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TempoSlider::showTempo(int tempo)
{
    pointer_->move(x() + tempo::pointerOffset(tempo), pointer_->y());
}

void TempoSlider::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(0, 0, bar_);
}

void TempoSlider::mousePressEvent(QMouseEvent* event)
{
    dragging_ = true;
    emit tempoChosen(tempo::tempoFromX(event->position().x()));
}

void TempoSlider::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_)
        emit tempoChosen(tempo::tempoFromX(event->position().x()));
}

void TempoSlider::mouseReleaseEvent(QMouseEvent*)
{
    dragging_ = false;
}

// The second press of a double click chooses nothing: the first press already
// did, and the release before it ended that drag.
void TempoSlider::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->ignore();
}
