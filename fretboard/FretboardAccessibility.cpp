#include "FretboardAccessibility.h"

#include "Accessibility.h"
#include "CellTags.h"
#include "FretPiece.h"
#include "FretboardView.h"
#include "GuitarStrings.h"
#include "SpokenNames.h"

#include <QAccessibleWidget>

namespace fretboard {

namespace {

class AccessibleBoard : public QAccessibleWidget
{
public:
    explicit AccessibleBoard(FretboardView* board) : QAccessibleWidget(board, QAccessible::List) {}

    int childCount() const override { return guitar::StringCount * frets(); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        return QAccessible::queryAccessibleInterface(
            board()->cellWidget(index / frets() + 1, board()->firstFret() + index % frets()));
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* piece = child ? qobject_cast<const FretPiece*>(child->object()) : nullptr;
        if (!piece || piece->parentWidget() != board() || piece->string() == 0)
            return -1;
        return (piece->string() - 1) * frets() + piece->fret() - board()->firstFret();
    }

    QAccessibleInterface* focusChild() const override
    {
        QWidget* focused = board()->focusedCell();
        return focused ? QAccessible::queryAccessibleInterface(focused) : nullptr;
    }

private:
    FretboardView* board() const { return static_cast<FretboardView*>(widget()); }
    int frets() const { return board()->lastFret() - board()->firstFret() + 1; }
};

class AccessibleCell : public QAccessibleWidget
{
public:
    explicit AccessibleCell(FretPiece* cell) : QAccessibleWidget(cell, QAccessible::ListItem) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QStringLiteral("%1 string, fret %2")
                .arg(QLatin1String(guitar::Strings[cell()->string() - 1].spoken))
                .arg(cell()->fret());
        if (t == QAccessible::Description)
            return notes::spokenCellNote(notes::cellTag(cell()->string(), cell()->fret()));
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        s.selectable = true;
        s.selected = board()->cellSelected(cell()->string(), cell()->fret());
        s.focused = board()->focusedCell() == cell();
        return s;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            cell()->click();
    }

private:
    FretPiece* cell() const { return static_cast<FretPiece*>(widget()); }
    const FretboardView* board() const
    {
        return static_cast<const FretboardView*>(cell()->parentWidget());
    }
};

} // namespace

void installAccessibility()
{
    look::installAccessible(FretboardView::staticMetaObject,
                            [](QObject* object) -> QAccessibleInterface* {
                                auto* board = static_cast<FretboardView*>(object);
                                if (board->mode() != FretboardView::Mode::ClickableCells)
                                    return nullptr;
                                return new AccessibleBoard(board);
                            });
    look::installAccessible(FretPiece::staticMetaObject,
                            [](QObject* object) -> QAccessibleInterface* {
                                auto* piece = static_cast<FretPiece*>(object);
                                if (piece->string() == 0 || !piece->clickable())
                                    return nullptr;
                                return new AccessibleCell(piece);
                            });
}

} // namespace fretboard
