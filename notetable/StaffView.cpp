#include "StaffView.h"

#include "Resources.h"
#include "Look.h"
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

StaffView::StaffView(QWidget* parent)
    : QWidget(parent), picture_(loadPicture(Picture::Staff))
{
    setObjectName(QStringLiteral("picStave"));
    setGeometry(look::twipsRect(120, 360, 3630, 2250));
    setCursor(handCursor());
    setToolTip(QStringLiteral("Right click for note type"));
    ImgNote = noteImage("ImgNote", staff::HeadLeft, this);
    imgNoteType = noteImage("imgNoteType", staff::SignLeft, this);
    ImgNote->setPixmap(loadPicture(Picture::NoteHead));
}

void StaffView::ShowNote(int staffPosition, int noteType)
{
    ImgNote->move(ImgNote->x(), staff::HeadTop(staffPosition));
    imgNoteType->move(imgNoteType->x(),
                      ImgNote->y() - platform::TwipsToPixels(staff::SignRaiseTwips));
    switch (noteType) {
    case 1:
        imgNoteType->setPixmap(loadPicture(Picture::SharpOn));
        break;
    case 2:
        imgNoteType->setPixmap(loadPicture(Picture::FlatOn));
        break;
    default:
        imgNoteType->clear();
        break;
    }
}

void StaffView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void StaffView::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit pressed(event->button(), event->position(), event->globalPosition().toPoint());
}
