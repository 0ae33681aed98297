#include "Accessibility.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QLabel>
#include <QMenu>

#include <utility>
#include <vector>

namespace look {

namespace {

// Set on decorative widgets and on the alert widget.
constexpr char DecorativeProperty[] = "kordelixDecorative";
constexpr char AlertName[] = "accessibleAlert";

bool isDecorative(const QObject* object)
{
    return object && object->property(DecorativeProperty).toBool();
}

bool holdsWidgets(const QObject* object)
{
    return object->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly) != nullptr;
}

// A decorative widget without children is not listed at all.
bool isListed(const QAccessibleInterface* child)
{
    return child && (!isDecorative(child->object()) || holdsWidgets(child->object()));
}

// A container that lists its children as Qt does, less its decorative ones.
class ListedChildren : public QAccessibleWidget
{
public:
    ListedChildren(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    int childCount() const override { return int(listed().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const std::vector<QAccessibleInterface*> children = listed();
        return index >= 0 && index < int(children.size()) ? children[std::size_t(index)] : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const std::vector<QAccessibleInterface*> children = listed();
        for (std::size_t i = 0; i < children.size(); ++i) {
            if (children[i] == child)
                return int(i);
        }
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        QAccessibleInterface* found = QAccessibleWidget::childAt(x, y);
        return isListed(found) ? found : nullptr;
    }

private:
    std::vector<QAccessibleInterface*> listed() const
    {
        std::vector<QAccessibleInterface*> children;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            if (QAccessibleInterface* child = QAccessibleWidget::child(i); isListed(child))
                children.push_back(child);
        }
        return children;
    }
};

// A decorative picture holding controls: a panel with no name of its own.
class DecorativePanel : public ListedChildren
{
public:
    explicit DecorativePanel(QWidget* widget) : ListedChildren(widget, QAccessible::Pane) {}

    QString text(QAccessible::Text) const override { return {}; }
};

std::vector<std::pair<const QMetaObject*, AccessibleMaker>>& makers()
{
    static std::vector<std::pair<const QMetaObject*, AccessibleMaker>> installed;
    return installed;
}

// Qt asks for each class of the widget from the most derived one up, and
// takes the first interface made.
QAccessibleInterface* makeInterface(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    for (const QMetaObject* type = object->metaObject(); type; type = type->superClass()) {
        if (className != QLatin1String(type->className()))
            continue;
        for (const auto& [installedType, make] : makers()) {
            if (installedType == type)
                return make(object);
        }
        return nullptr;
    }
    return nullptr;
}

// The containers every window is made of, so that decorative pictures are left
// out wherever they stand.
void installContainers()
{
    const auto install = [](const QMetaObject& type, AccessibleMaker make) {
        makers().emplace_back(&type, make);
    };
    install(QWidget::staticMetaObject, [](QObject* object) -> QAccessibleInterface* {
        auto* widget = static_cast<QWidget*>(object);
        return new ListedChildren(widget, widget->objectName() == QLatin1String(AlertName)
                                              ? QAccessible::AlertMessage
                                              : QAccessible::Client);
    });
    install(QDialog::staticMetaObject, [](QObject* object) -> QAccessibleInterface* {
        return new ListedChildren(static_cast<QWidget*>(object), QAccessible::Dialog);
    });
    install(QLabel::staticMetaObject, [](QObject* object) -> QAccessibleInterface* {
        return isDecorative(object) ? new DecorativePanel(static_cast<QWidget*>(object)) : nullptr;
    });
}

void installFactory()
{
    static const bool installed =
        (installContainers(), QAccessible::installFactory(makeInterface), true);
    Q_UNUSED(installed);
}

} // namespace

void installAccessible(const QMetaObject& type, AccessibleMaker make)
{
    installFactory();
    for (const auto& installed : makers()) {
        if (installed.first == &type)
            return;
    }
    makers().emplace_back(&type, make);
}

void hideFromAssistiveTechnology(QWidget* widget)
{
    installFactory();
    widget->setProperty(DecorativeProperty, true);
}

void announceAlert(QWidget* window, const QString& message)
{
    installFactory();
    auto* alert = window->findChild<QWidget*>(QLatin1String(AlertName), Qt::FindDirectChildrenOnly);
    if (!alert) {
        alert = new QWidget(window);
        alert->setObjectName(QLatin1String(AlertName));
        alert->setAttribute(Qt::WA_TransparentForMouseEvents);
        alert->setGeometry(0, 0, 0, 0);
    }
    // A reader speaks an alert when it comes to show.
    alert->hide();
    alert->setAccessibleName(message);
    alert->show();
}

void popUpMenu(QMenu* menu, QPoint at, QAction* active, bool fromKeyboard)
{
    menu->popup(at);
    if (fromKeyboard && active)
        menu->setActiveAction(active);
}

} // namespace look
