#pragma once

#include "ChordRecord.h"

#include <QPixmap>
#include <QWidget>

#include <vector>

class ActionLabel;
class FretboardView;
class QLabel;
class QListWidget;
namespace platform {
class Desktop;
}

// The chord finder: a list of chord groups, the chords of the selected group,
// and the selected chord's fingering on a fretboard of frets 1 to 12. The
// "Favorites" switch shows the library's favourite chords instead.
class ChordFinderWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ChordFinderWindow(platform::Desktop& desktop, QWidget* parent = nullptr);

private:
    void Form_Load();
    void lstGroup_Click();
    void lstChord_Click();
    void lblFavorites_Click();
    void lblClose_Click();

    void LoadChordData();
    void FillGroupList();
    int FindSelectedChord() const;
    void ShowChord();

    platform::Desktop& desktop_;

    // The loaded set, numbered from 1 by FindSelectedChord.
    std::vector<ChordRecord> Chords;
    bool FavoritesMode = false;

    QPixmap picCell;
    QPixmap picDot;
    QPixmap picCross;
    QPixmap picBarreStart;
    QPixmap picBarreMiddle;
    QPixmap picBarreEnd;

    FretboardView* fretboard = nullptr;
    QListWidget* lstGroup = nullptr;
    QListWidget* lstChord = nullptr;
    QLabel* lblDesc = nullptr;
    QLabel* lblChordEditor = nullptr;
    ActionLabel* lblFavorites = nullptr;
    ActionLabel* lblClose = nullptr;
};
