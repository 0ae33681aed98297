#include "TempoSlider.h"

#include "Accessibility.h"
#include "KeyboardFocus.h"
#include "Resources.h"
#include "Tempo.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

// The pointer's top lies this many pixels below the bar's top.
constexpr int PointerDrop = 11;

// What assistive technology sees: a slider from the slowest to the fastest
// tempo of the bar, whose value is the tempo shown.
class AccessibleTempoSlider : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit AccessibleTempoSlider(TempoSlider* slider)
        : QAccessibleWidget(slider, QAccessible::Slider, QStringLiteral("Tempo slider"))
    {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(slider()->shownTempo());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return slider()->shownTempo(); }
    void setCurrentValue(const QVariant& value) override
    {
        emit slider()->tempoChosen(
            std::clamp(value.toInt(), tempo::SliderMinimum, tempo::SliderMaximum));
    }
    QVariant maximumValue() const override { return tempo::SliderMaximum; }
    QVariant minimumValue() const override { return tempo::SliderMinimum; }
    QVariant minimumStepSize() const override { return 1; }

private:
    TempoSlider* slider() const { return static_cast<TempoSlider*>(widget()); }
};

} // namespace

TempoSlider::TempoSlider(QPoint topLeft, QWidget* parent)
    : QWidget(parent), bar_(loadPicture(Picture::SliderBar)), pointer_(new QLabel(parent))
{
    look::installAccessible<TempoSlider, AccessibleTempoSlider>();
    setObjectName(QStringLiteral("imgSlider"));
    setFocusPolicy(Qt::TabFocus);
    setGeometry(QRect(topLeft, bar_.deviceIndependentSize().toSize()));
    setCursor(handCursor());

    const QPixmap pointer = loadPicture(Picture::SliderPointer);
    pointer_->setObjectName(QStringLiteral("imgSliderCursor"));
    pointer_->setPixmap(pointer);
    pointer_->setGeometry(
        QRect(QPoint(0, y() + PointerDrop), pointer.deviceIndependentSize().toSize()));
    pointer_->setAttribute(Qt::WA_TransparentForMouseEvents);
    look::hideFromAssistiveTechnology(pointer_);
}

void TempoSlider::showTempo(int tempo)
{
    pointer_->move(x() + tempo::pointerOffset(tempo), pointer_->y());
    if (tempo_ == tempo)
        return;
    tempo_ = tempo;
    QAccessibleValueChangeEvent changed(this, tempo);
    QAccessible::updateAccessibility(&changed);
}

void TempoSlider::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, bar_);
    if (look::showsFocusMark(this))
        look::drawFocusMark(painter, rect(), palette().color(QPalette::WindowText));
}

void TempoSlider::keyPressEvent(QKeyEvent* event)
{
    const int slowest = tempo::SliderMinimum, fastest = tempo::SliderMaximum;
    int chosen = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        chosen = tempo_ - 1;
        break;
    case Qt::Key_Right:
        chosen = tempo_ + 1;
        break;
    case Qt::Key_PageDown:
        chosen = tempo_ - 10;
        break;
    case Qt::Key_PageUp:
        chosen = tempo_ + 10;
        break;
    case Qt::Key_Home:
        chosen = slowest;
        break;
    case Qt::Key_End:
        chosen = fastest;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    look::noteKeyboardUse(this);
    emit tempoChosen(std::clamp(chosen, slowest, fastest));
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
