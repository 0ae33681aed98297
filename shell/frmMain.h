#pragma once

#include <QPointer>
#include <QWidget>

class ActionLabel;
class frmChord;
class frmNoteTable;
class frmMetronome;

// The main menu: a small window that opens the three tools and the About window.
class frmMain : public QWidget
{
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void lblChord_Click();
    void lblNoteTable_Click();
    void lblMetronome_Click();
    void lblAbout_Click();
    void lblQuit_Click();

    QPixmap guitar_;
    ActionLabel* lblChord = nullptr;
    ActionLabel* lblNoteTable = nullptr;
    ActionLabel* lblMetronome = nullptr;
    ActionLabel* lblAbout = nullptr;
    ActionLabel* lblQuit = nullptr;

    // Each tool window exists at most once; a closed one deletes itself and
    // these pointers become null.
    QPointer<frmChord> chord_;
    QPointer<frmNoteTable> noteTable_;
    QPointer<frmMetronome> metronome_;
};
