#include "ActionLabel.h"

#include "Look.h"
#include "Palette.h"
#include "Resources.h"

#include <QMouseEvent>

ActionLabel::ActionLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

ActionLabel* ActionLabel::create(const QString& text, QWidget* parent, QPoint topLeft,
                                 qreal pointSize)
{
    auto* label = new ActionLabel(text, parent);
    label->setFont(look::comicFont(pointSize, true));
    look::setTextColour(label, palette::Action);
    label->setCursor(handCursor());
    label->move(topLeft);
    label->adjustSize();
    return label;
}

void ActionLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ActionLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}
