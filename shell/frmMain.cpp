#include "frmMain.h"

#include "Resources.h"
#include "ActionLabel.h"
#include "Look.h"
#include "Palette.h"
#include "frmAbout.h"
#include "frmChord.h"
#include "frmMetronome.h"
#include "frmNoteTable.h"

#include <QLabel>
#include <QPainter>

namespace {

const QRect Shape1(88, 16, 233, 161);

// Shows a tool window: creates it when it is not open, otherwise brings the
// open one forward without touching its state.
template <typename Window> void showTool(QPointer<Window>& window)
{
    if (!window)
        window = new Window();
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

frmMain::frmMain(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    look::setUpFramedWindow(this, QStringLiteral("Kordelix"), QSize(339, 226), palette::MenuYellow);
    guitar_ = loadPicture(Picture::MainGuitar);

    auto* image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(guitar_);
    image1->setGeometry(8, 8, 71, 214);

    auto makeEntry = [this](const char* name, const QString& text, QPoint at) {
        auto* label = ActionLabel::create(text, this, at);
        label->setObjectName(QLatin1String(name));
        return label;
    };
    lblChord = makeEntry("lblChord", QStringLiteral("- Chord finder"), {112, 32});
    lblNoteTable = makeEntry("lblNoteTable", QStringLiteral("- Note table"), {112, 64});
    lblMetronome = makeEntry("lblMetronome", QStringLiteral("- Metronome"), {112, 96});
    lblAbout = makeEntry("lblAbout", QStringLiteral("- About"), {112, 128});
    lblQuit = makeEntry("lblQuit", QStringLiteral("Quit"), {280, 184});

    connect(lblChord, &ActionLabel::clicked, this, &frmMain::lblChord_Click);
    connect(lblNoteTable, &ActionLabel::clicked, this, &frmMain::lblNoteTable_Click);
    connect(lblMetronome, &ActionLabel::clicked, this, &frmMain::lblMetronome_Click);
    connect(lblAbout, &ActionLabel::clicked, this, &frmMain::lblAbout_Click);
    connect(lblQuit, &ActionLabel::clicked, this, &frmMain::lblQuit_Click);
}

void frmMain::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, guitar_);
    painter.fillRect(Shape1, QColor::fromRgb(palette::Cream));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(Shape1.adjusted(0, 0, -1, -1));
}

void frmMain::lblChord_Click()
{
    showTool(chord_);
}

void frmMain::lblNoteTable_Click()
{
    showTool(noteTable_);
}

void frmMain::lblMetronome_Click()
{
    showTool(metronome_);
}

void frmMain::lblAbout_Click()
{
    frmAbout about(this);
    about.exec();
}

void frmMain::lblQuit_Click()
{
    close();
}
