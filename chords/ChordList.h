#pragma once

#include <QListWidget>

#include <functional>

// One of the chord finder's two lists: single selection in the library's
// colours, named for assistive technology. Once a row is selected, the list
// always has one: a Ctrl+click or Ctrl+Space on the selected row leaves it
// selected, so the board never shows a chord the lists do not. The list shows
// whole rows only: it keeps its top-left corner and width, and its height
// shrinks to the most whole rows that fit the given place. Assistive
// technology is told of a new current row as focused only while the list has
// the focus.
class ChordList : public QListWidget
{
    Q_OBJECT
public:
    ChordList(const QString& objectName, const QString& spokenName, QRect place, QWidget* parent);

    // Adds entries showing their texts, each spoken with its note and chord
    // names spelt for speech and described by describe(text).
    void addSpokenEntries(const QStringList& texts,
                          const std::function<QString(const QString&)>& describe);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
};

// The height of a list with the given frame width that shows the most whole
// rows of rowHeight fitting in height, and at least one row. A row height of
// 0 or less leaves the height as it is.
int wholeRowsHeight(int height, int rowHeight, int frameWidth);
