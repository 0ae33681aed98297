#include "StaffView.h"

#include "KeyboardFocus.h"
#include "Look.h"
#include "Palette.h"
#include "Resources.h"
#include "StaffGeometry.h"
#include "Twips.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

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

// The staff as one picture: the head and sign are read as its value, the name
// of the note, which is also its description since assistive technology on
// the desktop carries no text value for a picture.
class AccessibleStaff : public QAccessibleWidget
{
public:
    explicit AccessibleStaff(StaffView* staff) : QAccessibleWidget(staff, QAccessible::Graphic) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value || t == QAccessible::Description)
            return static_cast<StaffView*>(widget())->noteName();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
};

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("StaffView"))
        return new AccessibleStaff(static_cast<StaffView*>(object));
    return nullptr;
}

} // namespace

StaffView::StaffView(QWidget* parent)
    : QWidget(parent), picture_(loadPicture(Picture::Staff)), sharp_(loadPicture(Picture::SharpOn)),
      flat_(loadPicture(Picture::FlatOn))
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleFactory), true);
    Q_UNUSED(factoryInstalled);
    setObjectName(QStringLiteral("picStave"));
    setAccessibleName(QStringLiteral("Staff"));
    setFocusPolicy(Qt::TabFocus);
    setGeometry(platform::TwipsRect(120, 360, 3630, 2250));
    setCursor(handCursor());
    setToolTip(QStringLiteral("Right click for note type"));
    head_ = noteImage("ImgNote", staff::HeadLeft, this);
    sign_ = noteImage("imgNoteType", staff::SignLeft, this);
    head_->setPixmap(loadPicture(Picture::NoteHead));
}

void StaffView::showNote(int staffPosition, CurrentNote::Sign sign, const QString& name)
{
    staffPosition_ = staffPosition;
    head_->move(head_->x(), staff::headTop(staffPosition));
    sign_->move(sign_->x(), head_->y() - platform::TwipsToPixels(staff::SignRaiseTwips));
    switch (sign) {
    case CurrentNote::Sign::Sharp:
        sign_->setPixmap(sharp_);
        break;
    case CurrentNote::Sign::Flat:
        sign_->setPixmap(flat_);
        break;
    case CurrentNote::Sign::None:
        sign_->clear();
        break;
    }
    if (name != name_) {
        name_ = name;
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void StaffView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
    if (look::showsFocusMark(this))
        look::drawFocusMark(painter, rect(), QColor::fromRgb(palette::Action));
}

void StaffView::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        emit positionChosen(staff::positionAt(event->position().y()));
    else if (event->button() == Qt::RightButton)
        emit menuRequested(event->globalPosition().toPoint());
}

void StaffView::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        emit noteWanted();
}

void StaffView::keyPressEvent(QKeyEvent* event)
{
    const bool menuKey = event->key() == Qt::Key_Menu ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        look::noteKeyboardUse(this);
        // With no note yet the head stands above the staff, so either key
        // chooses the top position, as any press above the staff does.
        const int step = event->key() == Qt::Key_Up ? 1 : -1;
        emit positionChosen(
            std::clamp(staffPosition_ + step, staff::LowestPosition, staff::HighestPosition));
    } else if (menuKey && !event->isAutoRepeat()) {
        look::noteKeyboardUse(this);
        // At the middle of the head, or at the staff's edge while the head
        // is out of sight.
        const double y = std::clamp(staff::centreOf(staffPosition_), 0.0, height() - 1.0);
        emit menuRequested(mapToGlobal(QPoint(staff::HeadLeft + 9, int(y))));
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
               event->key() == Qt::Key_Space) {
        look::noteKeyboardUse(this);
        if (!event->isAutoRepeat())
            emit noteWanted();
    } else {
        QWidget::keyPressEvent(event);
    }
}
