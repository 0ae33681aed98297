#include "FretPiece.h"

#include "KeyboardFocus.h"
#include "Palette.h"
#include "Resources.h"

#include <QMouseEvent>
#include <QPainter>

FretPiece::FretPiece(const QString& name, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
}

void FretPiece::setPicture(Picture picture)
{
    picture_ = picture;
    resize(loadPicture(picture).deviceIndependentSize().toSize());
    update();
}

void FretPiece::setCellAddress(int string, int fret)
{
    string_ = string;
    fret_ = fret;
}

void FretPiece::click()
{
    if (clickable_)
        emit clicked();
}

void FretPiece::setFocusCell(bool focusCell)
{
    focusCell_ = focusCell;
    update();
}

void FretPiece::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, loadPicture(picture_));
    if (focusCell_ && look::showsFocusMark(parentWidget()))
        look::drawFocusMark(painter, rect(), QColor::fromRgb(palette::Action));
}

void FretPiece::mousePressEvent(QMouseEvent* event)
{
    pressed_ = clickable_ && event->button() == Qt::LeftButton;
    doublePressed_ = false;
    event->accept();
}

void FretPiece::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
    doublePressed_ = pressed_;
}

void FretPiece::mouseReleaseEvent(QMouseEvent* event)
{
    const bool isClick = pressed_ && event->button() == Qt::LeftButton &&
                         rect().contains(event->position().toPoint());
    const bool isDoubleClick = isClick && doublePressed_;
    pressed_ = false;
    doublePressed_ = false;
    event->accept();
    if (isClick)
        click();
    if (isDoubleClick)
        emit doubleClicked();
}
