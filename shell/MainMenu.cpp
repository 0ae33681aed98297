#include "MainMenu.h"

#include "AboutWindow.h"
#include "Accessibility.h"
#include "ActionLabel.h"
#include "ChordFinderWindow.h"
#include "Look.h"
#include "MetronomeWindow.h"
#include "NoteTableWindow.h"
#include "Palette.h"
#include "Resources.h"

#include <QLabel>
#include <QPainter>

namespace {

// The panel behind the menu entries.
const QRect Panel(88, 16, 233, 161);

// Shows a tool window: creates it when it is not open, otherwise brings the
// open one forward without touching its state, restoring it when it is
// minimised (show() alone leaves a minimised window as it is). On Wayland the
// compositor decides: activating asks it to bring the window forward.
template <typename Window, typename... Arguments>
void showTool(QPointer<Window>& window, Arguments&... arguments)
{
    if (!window)
        window = new Window(arguments...);
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

MainMenu::MainMenu(platform::Desktop& desktop, QWidget* parent) : QWidget(parent), desktop_(desktop)
{
    setObjectName(QStringLiteral("frmMain"));
    look::setUpFramedWindow(this, QStringLiteral("Kordelix"), QSize(339, 226), palette::MenuYellow);
    guitar_ = loadPicture(Picture::MainGuitar);

    auto* guitar = new QLabel(this);
    guitar->setObjectName(QStringLiteral("Image1"));
    guitar->setPixmap(guitar_);
    guitar->setGeometry(8, 8, 71, 214);
    look::hideFromAssistiveTechnology(guitar);

    const auto addEntry = [this](const char* name, const QString& text, QPoint at, auto action) {
        auto* entry = ActionLabel::create(text, this, at);
        entry->setObjectName(QLatin1String(name));
        connect(entry, &ActionLabel::clicked, this, action);
        return entry;
    };
    // Tab walks the entries in the order they are shown; the keyboard starts
    // on the first tool.
    ActionLabel* first = addEntry("lblChord", QStringLiteral("- Chord finder"), {112, 32},
                                  &MainMenu::showChordFinder);
    addEntry("lblNoteTable", QStringLiteral("- Note table"), {112, 64}, &MainMenu::showNoteTable);
    addEntry("lblMetronome", QStringLiteral("- Metronome"), {112, 96}, &MainMenu::showMetronome);
    addEntry("lblAbout", QStringLiteral("- About"), {112, 128}, &MainMenu::showAbout);
    addEntry("lblQuit", QStringLiteral("Quit"), {280, 184}, &QWidget::close);
    first->setFocus();
}

void MainMenu::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, guitar_);
    painter.fillRect(Panel, QColor::fromRgb(palette::Cream));
    painter.setPen(QPen(QColor::fromRgb(palette::Ink), 1));
    painter.drawRect(Panel.adjusted(0, 0, -1, -1));
}

void MainMenu::showChordFinder()
{
    showTool(chordFinder_, desktop_);
}

void MainMenu::showNoteTable()
{
    showTool(noteTable_, desktop_);
}

void MainMenu::showMetronome()
{
    showTool(metronome_, desktop_);
}

void MainMenu::showAbout()
{
    AboutWindow about(desktop_, this);
    about.exec();
}
