#include "StaffView.h"

#include "Look.h"
#include "Resources.h"
#include "StaffGeometry.h"
#include "Twips.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

QLabel* noteImage(const char* name, int left, QWidget* parent)
{
    auto* image = new QLabel(parent);
    image->setObjectName(QLatin1String(name));
    image->setAttribute(Qt::WA_TransparentForMouseEvents);
    image->setGeometry(left, platform::TwipsToPixels(staff::HiddenTopTwips), 32, 32);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return image;
}

} // namespace

StaffView::StaffView(QWidget* parent) : QWidget(parent), picture_(loadPicture(Picture::Staff))
{
    setObjectName(QStringLiteral("picStave"));
    setGeometry(look::twipsRect(120, 360, 3630, 2250));
    setCursor(handCursor());
    setToolTip(QStringLiteral("Right click for note type"));
    head_ = noteImage("ImgNote", staff::HeadLeft, this);
    sign_ = noteImage("imgNoteType", staff::SignLeft, this);
    head_->setPixmap(loadPicture(Picture::NoteHead));
}

void StaffView::showNote(int staffPosition, CurrentNote::Sign sign)
{
    head_->move(head_->x(), staff::headTop(staffPosition));
    sign_->move(sign_->x(), head_->y() - platform::TwipsToPixels(staff::SignRaiseTwips));
    switch (sign) {
    case CurrentNote::Sign::Sharp:
        sign_->setPixmap(loadPicture(Picture::SharpOn));
        break;
    case CurrentNote::Sign::Flat:
        sign_->setPixmap(loadPicture(Picture::FlatOn));
        break;
    case CurrentNote::Sign::None:
        sign_->clear();
        break;
    }
}

void StaffView::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(0, 0, picture_);
}

void StaffView::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        emit positionPressed(event->position().y());
    else if (event->button() == Qt::RightButton)
        emit menuRequested(event->globalPosition().toPoint());
}
