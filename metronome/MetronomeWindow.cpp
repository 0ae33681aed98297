#include "MetronomeWindow.h"

#include "ActionLabel.h"
#include "BeatSchedule.h"
#include "Desktop.h"
#include "Look.h"
#include "Palette.h"
#include "Resources.h"
#include "Tempo.h"
#include "TempoText.h"
#include "WaveOutput.h"

#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

namespace {

constexpr QPoint SliderTopLeft{8, 16};
constexpr int PointerTop = 27;
const QString ErrorCaption = QStringLiteral("Error..!");

// A picture shown at its natural size; the nominal size stands in while the
// picture is missing, so the control keeps its place and its mouse area.
QLabel* makePicture(QWidget* parent, const char* name, const QPixmap& picture, QRect nominal)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setPixmap(picture);
    label->setGeometry(
        QRect(nominal.topLeft(), picture.isNull() ? nominal.size() : picture.size()));
    return label;
}

void fillBackground(QWidget* widget, QRgb colour)
{
    QPalette colours = widget->palette();
    colours.setColor(widget->backgroundRole(), QColor::fromRgb(colour));
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
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

    imgSlider = makePicture(this, "imgSlider", loadPicture(Picture::SliderBar),
                            {SliderTopLeft, QSize(220, 22)});
    imgSlider->installEventFilter(this);
    // The pointer lies over the bar but takes no mouse input, so presses on it
    // reach the bar underneath.
    imgSliderCursor = makePicture(this, "imgSliderCursor", loadPicture(Picture::SliderPointer),
                                  {QPoint(0, PointerTop), QSize(32, 32)});
    imgSliderCursor->setAttribute(Qt::WA_TransparentForMouseEvents);

    picHold = makePicture(this, "picHold", loadPicture(Picture::TempoField), {232, 16, 57, 21});
    picHold->resize(picHold->width(), 21);
    fillBackground(picHold, palette::ListYellow);
    txtValue = new QLineEdit(QStringLiteral("120"), picHold);
    txtValue->setObjectName(QStringLiteral("txtValue"));
    txtValue->setFrame(false);
    txtValue->setFont(look::sansSerifFont(8.25));
    txtValue->setTextMargins(0, 0, 0, 0);
    txtValue->setContentsMargins(0, 0, 0, 0);
    txtValue->setGeometry(4, 4, 49, 13);
    QPalette boxPalette = txtValue->palette();
    boxPalette.setColor(QPalette::Base, QColor::fromRgb(palette::Cream));
    txtValue->setPalette(boxPalette);
    connect(txtValue, &QLineEdit::textChanged, this, &MetronomeWindow::txtValue_Change);

    lblStartStop = ActionLabel::create(QStringLiteral("Start/Stop"), this, {136, 64}, 11.25);
    lblStartStop->setObjectName(QStringLiteral("lblStartStop"));
    connect(lblStartStop, &ActionLabel::clicked, this, &MetronomeWindow::lblStartStop_Click);
    lblClose = ActionLabel::create(QStringLiteral("Close"), this, {240, 64}, 11.25);
    lblClose->setObjectName(QStringLiteral("lblClose"));
    connect(lblClose, &ActionLabel::clicked, this, &MetronomeWindow::lblClose_Click);

    imgFilePath =
        makePicture(this, "imgFilePath", loadPicture(Picture::FilePathBar), {8, 96, 281, 17});
    lblExp = new ActionLabel(QString(), this);
    lblExp->setObjectName(QStringLiteral("lblExp"));
    lblExp->setFont(look::comicFont(9, false));
    look::setTextColour(lblExp, palette::SoundNameGrey);
    lblExp->setGeometry(15, 95, 265, 14);
    connect(lblExp, &ActionLabel::clicked, this, &MetronomeWindow::lblExp_Click);

    // The default coarse timer may stretch every period by up to 5 %.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &MetronomeWindow::Timer1_Timer);

    mnuSound = new QMenu(this);
    mnuSound->setObjectName(QStringLiteral("mnuSound"));
    const auto addEntry = [this](const char* name, const QString& caption) {
        QAction* entry = mnuSound->addAction(caption);
        entry->setObjectName(QString::fromLatin1(name));
        entry->setCheckable(true);
        return entry;
    };
    mnuSound01 = addEntry("mnuSound01", QStringLiteral("Rhythm 01"));
    mnuSound02 = addEntry("mnuSound02", QStringLiteral("Rhythm 02"));
    mnuSound03 = addEntry("mnuSound03", QStringLiteral("Rhythm 03"));
    mnuSound->addSeparator()->setObjectName(QStringLiteral("mnuSoundS1"));
    mnuSound00 = addEntry("mnuSound00", QStringLiteral("Other"));
    connect(mnuSound01, &QAction::triggered, this, &MetronomeWindow::mnuSound01_Click);
    connect(mnuSound02, &QAction::triggered, this, &MetronomeWindow::mnuSound02_Click);
    connect(mnuSound03, &QAction::triggered, this, &MetronomeWindow::mnuSound03_Click);
    connect(mnuSound00, &QAction::triggered, this, &MetronomeWindow::mnuSound00_Click);

    Form_Load();
}

void MetronomeWindow::Form_Load()
{
    setWindowIcon(QIcon(loadPicture(Picture::WindowIcon)));
    SoundFile = desktop_.programFile(QStringLiteral("Rhythm01.wav"));
    lblExp->setText(QStringLiteral("Rhythm 01"));
    SetSoundChecks(mnuSound01);
    SetTempo(120);
    txtValue->setText(QString::number(Tempo));
    Running = false;
    Dragging = false;
    HandCursor = handCursor();
    for (QWidget* control : {static_cast<QWidget*>(lblStartStop), static_cast<QWidget*>(lblClose),
                             static_cast<QWidget*>(lblExp), static_cast<QWidget*>(imgSlider)})
        control->setCursor(HandCursor);
    // The sound output takes a moment to start running; opened now, it places
    // the very first beat as exactly as the others.
    desktop_.waveOutput().deviceCount();
}

void MetronomeWindow::SetTempo(int value)
{
    if (!tempo::IsAcceptedTempo(value))
        return;
    Tempo = value;
    // Setting the interval of a running timer restarts it, so only a new
    // period is set: dragging over one tempo keeps the beat going.
    if (const int period = tempo::BeatPeriod(value); Timer1->interval() != period) {
        if (Timer1->isActive())
            Beats.Start(BeatSchedule::Clock::now(), std::chrono::milliseconds(period));
        Timer1->setInterval(period);
    }
    imgSliderCursor->move(tempo::PointerLeft(imgSlider->x(), value), PointerTop);
}

bool MetronomeWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == imgSlider) {
        // While a button is held the bar receives every move, also outside it.
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            imgSlider_MouseDown(static_cast<QMouseEvent*>(event)->position().x());
            return true;
        case QEvent::MouseMove:
            imgSlider_MouseMove(static_cast<QMouseEvent*>(event)->position().x());
            return true;
        case QEvent::MouseButtonRelease:
            imgSlider_MouseUp();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MetronomeWindow::imgSlider_MouseDown(double x)
{
    Dragging = true;
    SetTempo(tempo::TempoFromX(x));
    txtValue->setText(QString::number(tempo::TempoFromX(x)));
}

void MetronomeWindow::imgSlider_MouseMove(double x)
{
    if (!Dragging)
        return;
    SetTempo(tempo::TempoFromX(x));
    txtValue->setText(QString::number(tempo::TempoFromX(x)));
}

void MetronomeWindow::imgSlider_MouseUp()
{
    Dragging = false;
}

void MetronomeWindow::txtValue_Change(const QString& text)
{
    // Text that is not an accepted tempo is left as typed and changes nothing.
    if (const std::optional<int> value = tempo::ReadTempoText(text))
        SetTempo(*value);
}

void MetronomeWindow::SetRunning(bool running)
{
    Running = running;
    look::setTextColour(lblStartStop, Running ? palette::SwitchOn : palette::Action);
    if (Running) {
        // The schedule starts just before the timer, so no tick comes before it is due.
        Beats.Start(BeatSchedule::Clock::now(), std::chrono::milliseconds(Timer1->interval()));
        Timer1->start();
    } else
        Timer1->stop();
}

void MetronomeWindow::lblStartStop_Click()
{
    SetRunning(!Running);
}

void MetronomeWindow::Timer1_Timer()
{
    // The click goes out at the instant the tick was due, not when it arrived.
    PlayClick(SoundFile, Beats.Tick(BeatSchedule::Clock::now()));
}

void MetronomeWindow::PlayClick(const QString& path,
                                std::chrono::steady_clock::time_point requested)
{
    if (desktop_.waveOutput().deviceCount() <= 0)
        return;
    if (desktop_.waveOutput().play(path, requested))
        return;
    lblExp->setText(ErrorCaption);
    SetRunning(false);
}

void MetronomeWindow::SetSoundFile(const QString& path)
{
    PlayClick(path, std::chrono::steady_clock::now());
    SoundFile = path;
}

void MetronomeWindow::SetSoundChecks(QAction* checked)
{
    CheckedSound = checked;
    mnuSound00->setChecked(checked == mnuSound00);
    for (QAction* entry : {mnuSound01, mnuSound02, mnuSound03})
        entry->setChecked(entry == checked);
}

void MetronomeWindow::lblExp_Click()
{
    mnuSound->popup(QCursor::pos());
}

void MetronomeWindow::ChooseRhythm(QAction* entry, const QString& name, const QString& fileName)
{
    lblExp->setText(name);
    SetSoundChecks(entry);
    SetSoundFile(desktop_.programFile(fileName));
}

void MetronomeWindow::mnuSound01_Click()
{
    ChooseRhythm(mnuSound01, QStringLiteral("Rhythm 01"), QStringLiteral("Rhythm01.wav"));
}

void MetronomeWindow::mnuSound02_Click()
{
    ChooseRhythm(mnuSound02, QStringLiteral("Rhythm 02"), QStringLiteral("Rhythm02.wav"));
}

void MetronomeWindow::mnuSound03_Click()
{
    ChooseRhythm(mnuSound03, QStringLiteral("Rhythm 03"), QStringLiteral("Rhythm03.wav"));
}

void MetronomeWindow::mnuSound00_Click()
{
    // The menu has just toggled the entry; it stays as it was until a file is picked.
    SetSoundChecks(CheckedSound);
    ChooseOtherSound(QString());
}

void MetronomeWindow::ChooseOtherSound(const QString& folder)
{
    const std::optional<QString> chosen = desktop_.chooseOpenFile(
        this, {QStringLiteral("Select sound file"),
               folder.isEmpty() ? desktop_.programFolder() : folder,
               {QStringLiteral("Wave files (*.wav)"), QStringLiteral("All files (*.*)")}});
    if (!chosen)
        return;
    lblExp->setText(QStringLiteral("Other rhythms"));
    SetSoundChecks(mnuSound00);
    SetSoundFile(chosen->trimmed());
}

void MetronomeWindow::lblClose_Click()
{
    close();
}
