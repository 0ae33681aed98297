#include "ActionLabel.h"

#include "Accessibility.h"
#include "KeyboardFocus.h"
#include "Look.h"
#include "Palette.h"
#include "Resources.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// What assistive technology sees of an action label.
class AccessibleActionLabel : public QAccessibleWidget
{
public:
    explicit AccessibleActionLabel(ActionLabel* label)
        : QAccessibleWidget(label, label->role() == ActionLabel::Role::Link ? QAccessible::Link
                                                                            : QAccessible::Button)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return label()->spokenName();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (label()->role() == ActionLabel::Role::Toggle) {
            s.checkable = true;
            s.checked = label()->isChecked();
            s.pressed = label()->isChecked();
        }
        return s;
    }

    QStringList actionNames() const override
    {
        const QString action =
            label()->role() == ActionLabel::Role::Toggle ? toggleAction() : pressAction();
        return QStringList(action) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() || action == toggleAction())
            emit label()->clicked();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    ActionLabel* label() const { return static_cast<ActionLabel*>(widget()); }
};

} // namespace

ActionLabel::ActionLabel(const QString& text, QWidget* parent, Role role)
    : QLabel(text, parent), role_(role)
{
    look::installAccessible<ActionLabel, AccessibleActionLabel>();
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::TabFocus);
}

ActionLabel* ActionLabel::create(const QString& text, QWidget* parent, QPoint topLeft,
                                 qreal pointSize, Role role)
{
    auto* label = new ActionLabel(text, parent, role);
    label->setFont(look::comicFont(pointSize, true));
    look::setTextColour(label, palette::Action);
    label->setCursor(handCursor());
    label->move(topLeft);
    label->adjustSize();
    return label;
}

void ActionLabel::setChecked(bool checked)
{
    if (checked_ == checked)
        return;
    checked_ = checked;
    QAccessible::State changed;
    changed.checked = true;
    changed.pressed = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void ActionLabel::setSwitchedOn(bool on)
{
    setChecked(on);
    look::setTextColour(this, on ? palette::SwitchOn : palette::Action);
}

QString ActionLabel::spokenName() const
{
    if (!accessibleName().isEmpty())
        return accessibleName();
    QString name = text();
    if (name.startsWith(QLatin1String("- ")))
        name.remove(0, 2);
    return name;
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

bool ActionLabel::event(QEvent* event)
{
    // A focused button takes its own keys before any shortcut of its window.
    if (event->type() == QEvent::ShortcutOverride) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            event->accept();
            return true;
        }
    }
    return QLabel::event(event);
}

void ActionLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (event->isAutoRepeat())
            break;
        look::noteKeyboardUse(this);
        emit clicked();
        break;
    default:
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
}

void ActionLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (look::showsFocusMark(this)) {
        QPainter painter(this);
        look::drawFocusMark(painter, rect(), palette().color(QPalette::WindowText));
    }
}
