#pragma once

#include <QWidget>

class ActionLabel;
class QAction;
class QLineEdit;
class QTimer;
class TempoSlider;
namespace platform {
class Desktop;
enum class PlayResult;
} // namespace platform

// The metronome: a tempo chosen on the slider or typed into the tempo box, a
// start/stop switch, and a click sound played once per beat. The sound menu
// offers three built-in sounds and any wave file the user picks.
class MetronomeWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MetronomeWindow(platform::Desktop& desktop, QWidget* parent = nullptr);
    ~MetronomeWindow() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createTempoControls();
    void createSoundControls();

    void setTempo(int value);
    void setTempoFromSlider(int value);
    void readTempoText(const QString& text);
    bool running() const;
    void setRunning(bool running);
    void toggleRunning();
    void checkSound(platform::PlayResult result);

    void chooseSound(QAction* entry);
    void chooseOtherSound();
    void setSoundFile(const QString& path);
    void showSoundName(const QString& name);

    platform::Desktop& desktop_;
    QString soundFile_;

    TempoSlider* slider_ = nullptr;
    QLineEdit* tempoBox_ = nullptr;
    ActionLabel* startStop_ = nullptr;
    ActionLabel* soundName_ = nullptr;
    QTimer* beatTimer_ = nullptr;
    QAction* otherSound_ = nullptr;
    QAction* chosenSound_ = nullptr; // the entry of the sound in use
};
