#include "FingeringAccessibility.h"

#include "Accessibility.h"
#include "ChordSpeech.h"
#include "FingeringBoard.h"
#include "GuitarStrings.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <array>

namespace {

// Items are listed low E first: item 0 is string 6.
int stringOfItem(int index)
{
    return guitar::StringCount - index;
}

// One string of the board: an item with no widget of its own.
class AccessibleString : public QAccessibleInterface
{
public:
    AccessibleString(FingeringBoard* board, int string) : board_(board), string_(string) {}

    bool isValid() const override { return board_; }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(board_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return {};
        if (const ChordRecord* chord = board_->shownChord())
            return spokenString(*chord, string_);
        return QLatin1String(guitar::Strings[string_ - 1].spoken) + QStringLiteral(" string");
    }
    void setText(QAccessible::Text, const QString&) override {}

    // The row of the string's cells on the screen.
    QRect rect() const override
    {
        QRect row;
        for (int fret = board_->firstFret(); fret <= board_->lastFret(); ++fret) {
            if (const QWidget* cell = board_->cellWidget(string_, fret))
                row |= QRect(cell->mapToGlobal(QPoint(0, 0)), cell->size());
        }
        return row;
    }

    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.focused = board_->hasFocus() && board_->focusString() == string_;
        s.invisible = !board_->isVisible();
        return s;
    }

private:
    QPointer<FingeringBoard> board_;
    int string_;
};

class AccessibleFingering : public QAccessibleWidget
{
public:
    explicit AccessibleFingering(FingeringBoard* board)
        : QAccessibleWidget(board, QAccessible::List)
    {}

    ~AccessibleFingering() override
    {
        for (const QAccessible::Id id : items_) {
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override { return guitar::StringCount; }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        QAccessible::Id& id = items_[std::size_t(index)];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(
                new AccessibleString(board(), stringOfItem(index)));
        return QAccessible::accessibleInterface(id);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            if (items_[std::size_t(i)] != 0 && this->child(i) == child)
                return i;
        }
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            if (child(i)->rect().contains(x, y))
                return child(i);
        }
        return nullptr;
    }

    QAccessibleInterface* focusChild() const override
    {
        const int string = board()->focusString();
        return board()->hasFocus() && string != 0 ? child(guitar::StringCount - string) : nullptr;
    }

private:
    FingeringBoard* board() const { return static_cast<FingeringBoard*>(widget()); }

    mutable std::array<QAccessible::Id, guitar::StringCount> items_{};
};

} // namespace

void installFingeringAccessibility()
{
    look::installAccessible<FingeringBoard, AccessibleFingering>();
}

void reportFocusString(FingeringBoard* board)
{
    QAccessibleEvent event(board, QAccessible::Focus);
    event.setChild(guitar::StringCount - board->focusString());
    QAccessible::updateAccessibility(&event);
}
