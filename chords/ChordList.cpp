#include "ChordList.h"

#include "Palette.h"
#include "SpokenNames.h"

#include <QItemSelectionModel>

#include <algorithm>

namespace {

// A selection model that ignores any change that would leave nothing selected
// while something is.
class KeptSelectionModel : public QItemSelectionModel
{
public:
    using QItemSelectionModel::QItemSelectionModel;

    void select(const QItemSelection& selection, SelectionFlags command) override
    {
        if (hasSelection() && selectionAfter(selection, command).isEmpty())
            return;
        QItemSelectionModel::select(selection, command);
    }

private:
    QItemSelection selectionAfter(const QItemSelection& selection, SelectionFlags command) const
    {
        QItemSelection after = command.testFlag(Clear) ? QItemSelection() : this->selection();
        for (const SelectionFlag change : {Select, Deselect, Toggle}) {
            if (command.testFlag(change))
                after.merge(selection, change);
        }
        return after;
    }
};

// The height of one row in the list's font and style.
int measuredRowHeight(QListWidget* list)
{
    list->addItem(QStringLiteral("Ag"));
    const int height = list->sizeHintForRow(0);
    list->clear();
    return height;
}

} // namespace

ChordList::ChordList(const QString& objectName, const QString& spokenName, QRect place,
                     QWidget* parent)
    : QListWidget(parent)
{
    setObjectName(objectName);
    setAccessibleName(spokenName);
    setSelectionMode(QAbstractItemView::SingleSelection);
    QItemSelectionModel* plain = selectionModel();
    setSelectionModel(new KeptSelectionModel(model(), this));
    delete plain;
    setSortingEnabled(false);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, QColor::fromRgb(palette::ListYellow));
    colours.setColor(QPalette::Text, QColor::fromRgb(palette::Action));
    setPalette(colours);
    ensurePolished();
    const int row = measuredRowHeight(this);
    place.setHeight(wholeRowsHeight(place.height(), row, frameWidth()));
    setGeometry(place);
}

void ChordList::addSpokenEntries(const QStringList& texts,
                                 const std::function<QString(const QString&)>& describe)
{
    for (const QString& text : texts) {
        auto* entry = new QListWidgetItem(text, this);
        entry->setData(Qt::AccessibleTextRole, notes::spokenText(text));
        entry->setData(Qt::AccessibleDescriptionRole, describe(text));
    }
}

void ChordList::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    // The list view reports every new current row as focused, also while
    // another control has the focus (when the other list fills this one, or
    // while the window opens); the view's own work is done either way.
    if (hasFocus())
        QListWidget::currentChanged(current, previous);
    else
        QAbstractItemView::currentChanged(current, previous);
}

int wholeRowsHeight(int height, int rowHeight, int frameWidth)
{
    if (rowHeight <= 0)
        return height;
    const int rows = std::max(1, (height - 2 * frameWidth) / rowHeight);
    return rows * rowHeight + 2 * frameWidth;
}
