#include "StaffView.h"

#include "Accessibility.h"
#include "KeyboardFocus.h"
#include "Look.h"
#include "Palette.h"
#include "Resources.h"
#include "SpokenNames.h"
#include "StaffGeometry.h"
#include "Twips.h"

#include <QAccessibleValueInterface>
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

// The staff as one picture whose value is the note shown: in words with the
// octave of its sound ("G sharp 3") as its text value and its description
// (assistive technology on the desktop reads no text value of its own), and
// as a number, its staff position (1, the open low E string, to 26; 0 before
// any note), which Up and Down step.
class AccessibleStaff : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit AccessibleStaff(StaffView* staff) : QAccessibleWidget(staff, QAccessible::Graphic) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value || t == QAccessible::Description)
            return staff()->spokenNote();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QVariant currentValue() const override { return staff()->spokenPosition(); }
    void setCurrentValue(const QVariant&) override {} // chosen by keys and clicks only
    QVariant maximumValue() const override { return staff::HighestPosition; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    StaffView* staff() const { return static_cast<StaffView*>(widget()); }
};

} // namespace

StaffView::StaffView(QWidget* parent)
    : QWidget(parent), picture_(loadPicture(Picture::Staff)), sharp_(loadPicture(Picture::SharpOn)),
      flat_(loadPicture(Picture::FlatOn))
{
    look::installAccessible<StaffView, AccessibleStaff>();
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
    const QString spoken = notes::spokenNote(name, staffPosition);
    if (spoken != spokenNote_) {
        spokenNote_ = spoken;
        QAccessibleValueChangeEvent valueChanged(this, spokenPosition());
        QAccessible::updateAccessibility(&valueChanged);
        QAccessibleEvent described(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
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
