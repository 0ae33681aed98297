#pragma once

#include "TapTempo.h"

#include <QWidget>

class ActionLabel;
class QAction;
class QLineEdit;
class QMenu;
class QTimer;
class TempoSlider;
namespace platform {
class Desktop;
enum class PlayResult;
} // namespace platform

// The metronome: a tempo chosen on the slider or typed into the tempo box, a
// start/stop switch, and a click sound played once per beat. The sound menu
// offers three built-in sounds and any wave file the user picks. The window's
// own menu, opened on its background, counts the beats in bars, the first of
// each accented, and takes the tempo from taps, as the T key does.
class MetronomeWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MetronomeWindow(platform::Desktop& desktop, QWidget* parent = nullptr);
    ~MetronomeWindow() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createTempoControls();
    void createSoundControls();
    void createBarMenu();

    void setTempo(int value);
    void setTempoFromSlider(int value);
    void readTempoText(const QString& text);
    void setRunning(bool running);
    void toggleRunning();
    void checkSound(platform::PlayResult result);
    void setBeatsPerBar(int beats);
    void tap(std::int64_t ms);

    void chooseSound(QAction* entry);
    void chooseOtherSound();
    void setSoundFile(const QString& path);
    void showSoundName(const QString& name);

    platform::Desktop& desktop_;
    QString soundFile_;
    bool running_ = false;
    int periodMs_ = 0;
    int beatsPerBar_ = 0; // 0: no accent
    tempo::TapTempo taps_;
    std::int64_t menuInputMs_ = 0; // when the last key or click reached the window's menu

    TempoSlider* slider_ = nullptr;
    QLineEdit* tempoBox_ = nullptr;
    ActionLabel* startStop_ = nullptr;
    ActionLabel* soundName_ = nullptr;
    QTimer* beatTimer_ = nullptr;
    QAction* otherSound_ = nullptr;
    QAction* chosenSound_ = nullptr; // the entry of the sound in use
    QMenu* barMenu_ = nullptr;
};
