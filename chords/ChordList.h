#pragma once

#include <QListWidget>

// One of the chord finder's two lists: single selection in the library's
// colours, named for assistive technology. Once a row is selected, the list
// always has one: a Ctrl+click or Ctrl+Space on the selected row leaves it
// selected, so the board never shows a chord the lists do not. The list shows
// whole rows only: it keeps its top-left corner and width, and its height
// shrinks to the most whole rows that fit the given place.
class ChordList : public QListWidget
{
    Q_OBJECT
public:
    ChordList(const QString& objectName, const QString& spokenName, QRect place, QWidget* parent);
};

// The height of a list with the given frame width that shows the most whole
// rows of rowHeight fitting in height, and at least one row. A row height of
// 0 or less leaves the height as it is.
int wholeRowsHeight(int height, int rowHeight, int frameWidth);
