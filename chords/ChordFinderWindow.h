#pragma once

#include "ChordRecord.h"

#include <QWidget>

#include <vector>

class ActionLabel;
class ChordList;
class FingeringBoard;
class QLabel;
namespace platform {
class Desktop;
}

// The chord finder: a list of chord groups, the chords of the selected group,
// and the selected chord's fingering on a fretboard of frets 1 to 12. The
// "Favorites" switch shows the library's favourite chords instead. The keyboard
// starts in the chord list; Tab goes on to the board, the groups, "Favorites"
// and "Close". A double-click on a chord, or Return or Space on the board,
// strums the chord shown.
class ChordFinderWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ChordFinderWindow(platform::Desktop& desktop, QWidget* parent = nullptr);

private:
    // Lists the chords of the selected group, keeping the chord list's position.
    void showGroup();
    // The chord selected in the lists, or null.
    const ChordRecord* selectedChord() const;
    // Draws the selected chord and shows its description.
    void showChord();
    // Plays the selected chord as a strum.
    void strumChord();
    // Switches between the ordinary chords and the favourites.
    void toggleFavorites();

    // Reads the current set from the chord library and lists its groups,
    // selecting the first.
    void loadChords();

    platform::Desktop& desktop_;

    std::vector<ChordRecord> chords_;

    FingeringBoard* fretboard_ = nullptr;
    ChordList* groupList_ = nullptr;
    ChordList* chordList_ = nullptr;
    QLabel* descriptionLabel_ = nullptr;
    ActionLabel* favoritesLabel_ = nullptr;
};
