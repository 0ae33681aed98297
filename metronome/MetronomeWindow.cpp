#include "MetronomeWindow.h"

#include "Accessibility.h"
#include "ActionLabel.h"
#include "Desktop.h"
#include "Look.h"
#include "Palette.h"
#include "Resources.h"
#include "Tempo.h"
#include "TempoSlider.h"
#include "TempoText.h"
#include "WaveOutput.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int StartTempo = 120;
// The counts of the window's menu; 0 is "No accent".
constexpr int BeatsPerBarChoices[] = {0, 2, 3, 4, 5, 6, 7};
const QString ErrorCaption = QStringLiteral("Error..!");

// The built-in click sounds: the menu entry, its caption, which is also the
// name shown while the sound is in use, and the file beside the program.
struct Rhythm
{
    const char* entry;
    const char* name;
    const char* file;
};
constexpr Rhythm Rhythms[] = {
    {"mnuSound01", "Rhythm 01", "Rhythm01.wav"},
    {"mnuSound02", "Rhythm 02", "Rhythm02.wav"},
    {"mnuSound03", "Rhythm 03", "Rhythm03.wav"},
};

// A picture shown at its natural size with its top-left corner at topLeft.
QLabel* makePicture(QWidget* parent, const char* name, Picture picture, QPoint topLeft)
{
    auto* label = new QLabel(parent);
    const QPixmap pixmap = loadPicture(picture);
    label->setObjectName(QString::fromLatin1(name));
    label->setPixmap(pixmap);
    label->setGeometry(QRect(topLeft, pixmap.deviceIndependentSize().toSize()));
    look::hideFromAssistiveTechnology(label);
    return label;
}

// The keys that open a context menu.
bool opensMenu(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Menu ||
           (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
}

} // namespace

MetronomeWindow::MetronomeWindow(platform::Desktop& desktop, QWidget* parent)
    : QWidget(parent), desktop_(desktop)
{
    setObjectName(QStringLiteral("frmMetronome"));
    setAttribute(Qt::WA_DeleteOnClose);
    // This window measures in pixels.
    look::setUpFramedWindow(this, QStringLiteral("Metronome"), QSize(299, 125),
                            palette::ListYellow);
    createTempoControls();

    startStop_ = ActionLabel::create(QStringLiteral("Start/Stop"), this, {136, 64}, 11.25,
                                     ActionLabel::Role::Toggle);
    startStop_->setObjectName(QStringLiteral("lblStartStop"));
    connect(startStop_, &ActionLabel::clicked, this, &MetronomeWindow::toggleRunning);
    auto* closeLabel = ActionLabel::create(QStringLiteral("Close"), this, {240, 64}, 11.25);
    closeLabel->setObjectName(QStringLiteral("lblClose"));
    connect(closeLabel, &ActionLabel::clicked, this, &QWidget::close);

    createSoundControls();
    createBarMenu();
    // The window's menu opens on its background only: the controls keep the
    // right button to themselves, and the tempo box its own text menu.
    for (QWidget* control : std::initializer_list<QWidget*>{slider_, tempoBox_->parentWidget(),
                                                            startStop_, closeLabel, soundName_})
        control->setContextMenuPolicy(Qt::PreventContextMenu);

    // The keyboard: Tab walks slider, tempo box, "Start/Stop", "Close" and the
    // sound name; Space starts and stops wherever the focus is but in the tempo
    // box (which takes it as text) or on another button (which it presses);
    // Escape closes the window as "Close" does. T taps the tempo and the Menu
    // key or Shift+F10 open the window's menu, but in the tempo box (text and
    // its own menu) and on the sound name (its sound menu).
    setTabOrder(slider_, tempoBox_);
    setTabOrder(tempoBox_, startStop_);
    setTabOrder(startStop_, closeLabel);
    setTabOrder(closeLabel, soundName_);
    slider_->setFocus();
    connect(new QShortcut(Qt::Key_Space, this), &QShortcut::activated, this,
            &MetronomeWindow::toggleRunning);
    look::closeOnEscape(this);

    // The beats are counted by the output; the timer only ticks once a period
    // to check their sound. The default coarse timer may stretch every period
    // by up to 5 %.
    beatTimer_ = new QTimer(this);
    beatTimer_->setObjectName(QStringLiteral("Timer1"));
    beatTimer_->setTimerType(Qt::PreciseTimer);
    connect(beatTimer_, &QTimer::timeout, this,
            [this] { checkSound(desktop_.waveOutput().setBeatSound(soundFile_)); });
    setTempo(StartTempo);
}

// The beats end with the window; a click already sounding plays to its end.
MetronomeWindow::~MetronomeWindow()
{
    if (running_)
        desktop_.waveOutput().stopBeats();
}

// The slider with its pointer, and the tempo box in its bevelled field.
void MetronomeWindow::createTempoControls()
{
    slider_ = new TempoSlider({8, 16}, this);
    connect(slider_, &TempoSlider::tempoChosen, this, &MetronomeWindow::setTempoFromSlider);

    QLabel* field = makePicture(this, "picHold", Picture::TempoField, {232, 16});
    // The field is a pixel shorter than its picture.
    field->resize(field->width(), 21);
    QPalette fieldColours = field->palette();
    fieldColours.setColor(field->backgroundRole(), QColor::fromRgb(palette::ListYellow));
    field->setPalette(fieldColours);
    field->setAutoFillBackground(true);

    tempoBox_ = new QLineEdit(QString::number(StartTempo), field);
    tempoBox_->setObjectName(QStringLiteral("txtValue"));
    tempoBox_->setAccessibleName(QStringLiteral("Tempo"));
    tempoBox_->setFrame(false);
    tempoBox_->setFont(look::sansSerifFont(8.25));
    tempoBox_->setTextMargins(0, 0, 0, 0);
    tempoBox_->setContentsMargins(0, 0, 0, 0);
    tempoBox_->setGeometry(4, 4, 49, 13);
    QPalette boxColours = tempoBox_->palette();
    boxColours.setColor(QPalette::Base, QColor::fromRgb(palette::Cream));
    tempoBox_->setPalette(boxColours);
    connect(tempoBox_, &QLineEdit::textChanged, this, &MetronomeWindow::readTempoText);
}

// The name of the click sound in its golden bar, and the sound menu it opens;
// the window starts with the first built-in sound, without playing it.
void MetronomeWindow::createSoundControls()
{
    makePicture(this, "imgFilePath", Picture::FilePathBar, {8, 96});
    soundName_ = new ActionLabel(QString(), this);
    soundName_->setObjectName(QStringLiteral("lblExp"));
    soundName_->setFont(look::comicFont(9, false));
    look::setTextColour(soundName_, palette::SoundNameGrey);
    soundName_->setGeometry(15, 95, 265, 14);
    soundName_->setCursor(handCursor());
    soundName_->installEventFilter(this);

    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("mnuSound"));
    auto* sounds = new QActionGroup(this);
    const auto addEntry = [menu, sounds](const char* name, const QString& caption) {
        QAction* entry = menu->addAction(caption);
        entry->setObjectName(QString::fromLatin1(name));
        entry->setCheckable(true);
        sounds->addAction(entry);
        return entry;
    };
    for (const Rhythm& rhythm : Rhythms)
        addEntry(rhythm.entry, QLatin1String(rhythm.name))->setData(QLatin1String(rhythm.file));
    menu->addSeparator()->setObjectName(QStringLiteral("mnuSoundS1"));
    otherSound_ = addEntry("mnuSound00", QStringLiteral("Other"));
    connect(sounds, &QActionGroup::triggered, this, &MetronomeWindow::chooseSound);
    // A click opens the menu at the pointer; Return, Space or the menu key open
    // it below the name.
    connect(soundName_, &ActionLabel::clicked, this, [this, menu] {
        const bool fromKeyboard = soundName_->hasFocus() && !soundName_->underMouse();
        look::popUpMenu(menu,
                        fromKeyboard ? soundName_->mapToGlobal(soundName_->rect().bottomLeft())
                                     : QCursor::pos(),
                        chosenSound_, fromKeyboard);
    });

    chosenSound_ = sounds->actions().first();
    chosenSound_->setChecked(true);
    showSoundName(chosenSound_->text());
    soundFile_ = desktop_.programFile(chosenSound_->data().toString());
}

// The window's menu: the beats per bar, checked, and tap tempo. Every opening
// of the window starts without an accent.
void MetronomeWindow::createBarMenu()
{
    barMenu_ = new QMenu(this);
    barMenu_->setObjectName(QStringLiteral("mnuBeats"));
    barMenu_->setAccessibleName(QStringLiteral("Beats per bar"));
    barMenu_->addSection(QStringLiteral("Beats per bar"));
    auto* counts = new QActionGroup(this);
    for (const int beats : BeatsPerBarChoices) {
        QAction* entry =
            barMenu_->addAction(beats ? QString::number(beats) : QStringLiteral("No accent"));
        entry->setObjectName(QStringLiteral("mnuBeats%1").arg(beats, 2, 10, QLatin1Char('0')));
        entry->setCheckable(true);
        entry->setData(beats);
        counts->addAction(entry);
    }
    counts->actions().first()->setChecked(true);
    connect(counts, &QActionGroup::triggered, this,
            [this](QAction* entry) { setBeatsPerBar(entry->data().toInt()); });
    barMenu_->addSeparator()->setObjectName(QStringLiteral("mnuBeatsS1"));
    QAction* tapEntry = barMenu_->addAction(QStringLiteral("Tap tempo"));
    tapEntry->setObjectName(QStringLiteral("mnuTapTempo"));
    connect(tapEntry, &QAction::triggered, this, [this] { tap(menuInputMs_); });
    barMenu_->installEventFilter(this);
    setBeatsPerBar(0);
}

void MetronomeWindow::setTempo(int value)
{
    if (!tempo::isAcceptedTempo(value))
        return;
    // The output takes the new period from the next beat on; the timer,
    // restarted by a new interval, only checks their sound.
    if (const int period = tempo::beatPeriod(value); period != periodMs_) {
        periodMs_ = period;
        beatTimer_->setInterval(period);
        if (running_)
            desktop_.waveOutput().setBeatPeriod(period);
    }
    slider_->showTempo(value);
}

void MetronomeWindow::setTempoFromSlider(int value)
{
    setTempo(value);
    tempoBox_->setText(QString::number(value));
}

void MetronomeWindow::readTempoText(const QString& text)
{
    // Text that is not an accepted tempo is left as typed and changes nothing.
    if (const std::optional<int> value = tempo::readTempoText(text))
        setTempo(*value);
}

// Each start begins a bar.
void MetronomeWindow::setRunning(bool running)
{
    running_ = running;
    startStop_->setSwitchedOn(running);
    if (running) {
        platform::WaveOutput& output = desktop_.waveOutput();
        output.setBeatsPerBar(beatsPerBar_);
        output.startBeats(soundFile_, periodMs_);
        beatTimer_->start();
    } else {
        beatTimer_->stop();
        desktop_.waveOutput().stopBeats();
    }
}

void MetronomeWindow::toggleRunning()
{
    setRunning(!running_);
}

// A sound file that cannot be played shows the error and stops the metronome;
// without an output the metronome runs on silently (the output starts the
// beats once it has one). Every tick checks the beats' sound this way; the
// output places the beats on its own clock, so a late tick or a timer
// restarted by a new tempo never moves or drops one.
void MetronomeWindow::checkSound(platform::PlayResult result)
{
    if (result != platform::PlayResult::CannotPlay)
        return;
    showSoundName(ErrorCaption);
    look::announceAlert(this, ErrorCaption);
    setRunning(false);
}

// Running beats take the new count at the next bar line; screen readers hear
// it with the window.
void MetronomeWindow::setBeatsPerBar(int beats)
{
    beatsPerBar_ = beats;
    if (running_)
        desktop_.waveOutput().setBeatsPerBar(beats);
    setAccessibleDescription(beats ? QStringLiteral("%1 beats per bar").arg(beats)
                                   : QStringLiteral("No accent"));
}

// A tap at a time in milliseconds of the desktop's input events; from the
// second tap of a series on it sets the tempo as if typed.
void MetronomeWindow::tap(std::int64_t ms)
{
    if (const std::optional<int> tapped = taps_.tap(ms))
        tempoBox_->setText(QString::number(*tapped));
}

void MetronomeWindow::chooseSound(QAction* entry)
{
    if (entry == otherSound_) {
        // The group has just checked "Other"; the check stays where it was
        // until a file is picked.
        chosenSound_->setChecked(true);
        chooseOtherSound();
        return;
    }
    chosenSound_ = entry;
    showSoundName(entry->text());
    setSoundFile(desktop_.programFile(entry->data().toString()));
}

void MetronomeWindow::chooseOtherSound()
{
    const std::optional<QString> chosen = desktop_.chooseOpenFile(
        this, {QStringLiteral("Select sound file"),
               desktop_.programFolder(),
               {QStringLiteral("Wave files (*.wav)"), QStringLiteral("All files (*.*)")}});
    if (!chosen)
        return;
    chosenSound_ = otherSound_;
    otherSound_->setChecked(true);
    showSoundName(QStringLiteral("Other rhythms"));
    setSoundFile(chosen->trimmed());
}

// Plays the sound once as a preview, also while the beat runs, and makes it the
// click whether the preview played or not; running beats take it from the next
// one on (a preview that failed has stopped them).
void MetronomeWindow::setSoundFile(const QString& path)
{
    platform::WaveOutput& output = desktop_.waveOutput();
    checkSound(output.play(path));
    soundFile_ = path;
    if (running_)
        output.setBeatSound(path);
}

void MetronomeWindow::showSoundName(const QString& name)
{
    soundName_->setText(name);
    soundName_->setAccessibleName(QStringLiteral("Sound: ") + name);
}

// The menu key or Shift+F10 on the sound name opens the sound menu, as Return
// and Space do. A tap chosen in the window's menu counts from the key or click
// that chose it.
bool MetronomeWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == soundName_ && event->type() == QEvent::KeyPress &&
        opensMenu(static_cast<QKeyEvent*>(event))) {
        emit soundName_->clicked();
        return true;
    }
    if (watched == barMenu_ &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonRelease))
        menuInputMs_ = std::int64_t(static_cast<QInputEvent*>(event)->timestamp());
    return QWidget::eventFilter(watched, event);
}

// A right click on the background opens the window's menu at the pointer; the
// keyboard's requests come as keys.
void MetronomeWindow::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Mouse)
        barMenu_->popup(event->globalPos());
}

// Keys no control took: T taps, the menu key and Shift+F10 open the window's
// menu below the focused control.
void MetronomeWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_T && event->modifiers() == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            tap(std::int64_t(event->timestamp()));
    } else if (opensMenu(event) && focusWidget() != tempoBox_) {
        const QWidget* below = focusWidget() ? focusWidget() : this;
        const QList<QAction*> entries = barMenu_->actions();
        const auto checked = std::find_if(entries.begin(), entries.end(),
                                          [](const QAction* entry) { return entry->isChecked(); });
        look::popUpMenu(barMenu_, below->mapToGlobal(below->rect().bottomLeft()),
                        checked == entries.end() ? nullptr : *checked, true);
    } else {
        QWidget::keyPressEvent(event);
    }
}
