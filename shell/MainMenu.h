#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

class ChordFinderWindow;
class MetronomeWindow;
class NoteTableWindow;
namespace platform {
class Desktop;
}

// The main menu: a small window that opens the three tools and the About window.
class MainMenu : public QWidget
{
    Q_OBJECT
public:
    explicit MainMenu(platform::Desktop& desktop, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showChordFinder();
    void showNoteTable();
    void showMetronome();
    void showAbout();

    platform::Desktop& desktop_;
    QPixmap guitar_;

    // Each tool window exists at most once; a closed one deletes itself and
    // these pointers become null.
    QPointer<ChordFinderWindow> chordFinder_;
    QPointer<NoteTableWindow> noteTable_;
    QPointer<MetronomeWindow> metronome_;
};
