#pragma once

#include "BeatSchedule.h"

#include <QCursor>
#include <QWidget>
#include <chrono>

class ActionLabel;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QTimer;
namespace platform {
class Desktop;
}

// The metronome: a tempo chosen on the slider or typed into the tempo box, a
// start/stop switch, and a click sound played once per beat.
class MetronomeWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MetronomeWindow(platform::Desktop& desktop, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void SetTempo(int value);
    void PlayClick(const QString& path, std::chrono::steady_clock::time_point requested);
    void SetSoundFile(const QString& path);
    void ChooseOtherSound(const QString& folder);
    void SetSoundChecks(QAction* checked);
    void SetRunning(bool running);

    void imgSlider_MouseDown(double x);
    void imgSlider_MouseMove(double x);
    void imgSlider_MouseUp();
    void txtValue_Change(const QString& text);
    void lblStartStop_Click();
    void Timer1_Timer();
    void lblClose_Click();
    void lblExp_Click();
    void mnuSound01_Click();
    void mnuSound02_Click();
    void mnuSound03_Click();
    void mnuSound00_Click();
    void ChooseRhythm(QAction* entry, const QString& name, const QString& fileName);

    platform::Desktop& desktop_;
    int Tempo = 120;
    QString SoundFile;
    bool Running = false;
    bool Dragging = false;
    QCursor HandCursor;
    BeatSchedule Beats;

    QLabel* imgSlider = nullptr;
    QLabel* imgSliderCursor = nullptr;
    QLabel* picHold = nullptr;
    QLineEdit* txtValue = nullptr;
    ActionLabel* lblStartStop = nullptr;
    ActionLabel* lblClose = nullptr;
    QLabel* imgFilePath = nullptr;
    ActionLabel* lblExp = nullptr;
    QTimer* Timer1 = nullptr;
    QMenu* mnuSound = nullptr;
    QAction* mnuSound01 = nullptr;
    QAction* mnuSound02 = nullptr;
    QAction* mnuSound03 = nullptr;
    QAction* mnuSound00 = nullptr;
    QAction* CheckedSound = nullptr; // the one checked entry of mnuSound
};
