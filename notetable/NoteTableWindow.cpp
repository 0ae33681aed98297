#include "NoteTableWindow.h"

#include "Accessibility.h"
#include "ActionLabel.h"
#include "CellTags.h"
#include "Desktop.h"
#include "FretboardView.h"
#include "GuitarSound.h"
#include "GuitarStrings.h"
#include "KeyboardFocus.h"
#include "Look.h"
#include "Palette.h"
#include "Pitch.h"
#include "Resources.h"
#include "StaffView.h"
#include "Twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>

namespace {

// A sign picture that switches the naming, named by its hover text. The
// pictures are 32 x 32, shown at their own size, and the two toggles overlap:
// the focus mark surrounds the sign itself rather than the whole square.
class NamingToggle : public ActionLabel
{
public:
    NamingToggle(const char* name, int leftTwips, const QString& hover, QWidget* parent)
        : ActionLabel(QString(), parent, ActionLabel::Role::Toggle)
    {
        setObjectName(QLatin1String(name));
        setAccessibleName(hover);
        setGeometry(QRect(platform::TwipsRect(leftTwips, 0, 0, 0).topLeft(), QSize(32, 32)));
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setToolTip(hover);
        setCursor(handCursor());
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QPixmap shown = pixmap();
        painter.drawPixmap(0, 0, shown);
        if (look::showsFocusMark(this)) {
            // The mask counts the picture's own pixels, two to a point when
            // it was drawn at twice the size.
            const qreal scale = shown.devicePixelRatio();
            const QRect mask = QRegion(shown.mask()).boundingRect();
            const QRect sign = QRectF(QPointF(mask.topLeft()) / scale, QSizeF(mask.size()) / scale)
                                   .toAlignedRect();
            look::drawFocusMark(painter, sign.adjusted(-2, -2, 3, 3),
                                palette().color(QPalette::WindowText));
        }
    }
};

QLabel* picture(const char* name, QRect geometry, Picture shown, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setPixmap(loadPicture(shown));
    look::hideFromAssistiveTechnology(label);
    return label;
}

} // namespace

NoteTableWindow::NoteTableWindow(platform::Desktop& desktop, QWidget* parent)
    : QWidget(parent), desktop_(desktop)
{
    setObjectName(QStringLiteral("frmNoteTable"));
    setAttribute(Qt::WA_DeleteOnClose);
    look::setUpFramedWindow(this, QStringLiteral("Note table"),
                            platform::TwipsRect(0, 0, 9045, 5535).size(), palette::NoteTablePaper);
    look::closeOnEscape(this);

    fretboard_ = new FretboardView(this, notes::LowestFret, notes::HighestFret,
                                   FretboardView::Mode::ClickableCells);
    fretboard_->setAccessibleName(QStringLiteral("Fretboard"));
    connect(fretboard_, &FretboardView::cellClicked, this, &NoteTableWindow::selectCell);
    connect(fretboard_, &FretboardView::cellPlayed, this, &NoteTableWindow::playCell);

    QLabel* panel =
        picture("picC", platform::TwipsRect(240, 2400, 3975, 2820), Picture::AboutPanel, this);
    noteName_ = new QLabel(panel);
    noteName_->setObjectName(QStringLiteral("lblNoteName"));
    noteName_->setGeometry(platform::TwipsRect(120, 0, 3255, 375));
    noteName_->setFont(look::comicFont(9.75, false, true));
    noteName_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    look::setTextColour(noteName_, palette::Ink);
    // Read as the staff's value.
    look::hideFromAssistiveTechnology(noteName_);

    // The flat toggle lies above the sharp toggle where they overlap.
    sharpToggle_ = new NamingToggle("imgSharp", 3480, QStringLiteral("Sharp"), panel);
    flatToggle_ = new NamingToggle("imgFlat", 3705, QStringLiteral("Flat"), panel);
    connect(sharpToggle_, &ActionLabel::clicked, this, &NoteTableWindow::useSharpNames);
    connect(flatToggle_, &ActionLabel::clicked, this, &NoteTableWindow::useFlatNames);

    staff_ = new StaffView(panel);
    connect(staff_, &StaffView::positionChosen, this, &NoteTableWindow::selectStaffPosition);
    connect(staff_, &StaffView::noteWanted, this, &NoteTableWindow::playShownNote);

    picture("Image1", platform::TwipsRect(5160, 2400, 3585, 2415), Picture::DiagonalGuitar, this);

    ActionLabel* close = ActionLabel::create(QStringLiteral("Close"), this,
                                             platform::TwipsRect(7800, 4800, 0, 0).topLeft());
    close->setObjectName(QStringLiteral("lblClose"));
    connect(close, &ActionLabel::clicked, this, &QWidget::close);

    noteTypeMenu_ = new QMenu(QStringLiteral("Main"), this);
    noteTypeMenu_->setObjectName(QStringLiteral("mnuMain"));
    const auto addItem = [this](const char* name, const QString& text,
                                void (NoteTableWindow::*slot)()) {
        QAction* item = noteTypeMenu_->addAction(text);
        item->setObjectName(QLatin1String(name));
        connect(item, &QAction::triggered, this, slot);
        return item;
    };
    QAction* natural = addItem("mnuComp", QStringLiteral("Normal"), &NoteTableWindow::makeNatural);
    QAction* sharp = addItem("mnuSharp", QStringLiteral("Sharp (#)"), &NoteTableWindow::makeSharp);
    QAction* flat = addItem("mnuFlat", QStringLiteral("Flat (b)"), &NoteTableWindow::makeFlat);
    // From the keyboard the menu opens on the note's present sign; a right
    // click, which holds a button down, opens it as before.
    connect(staff_, &StaffView::menuRequested, this, [=, this](QPoint globalAt) {
        const CurrentNote::Sign sign = note_.sign();
        QAction* present = sign == CurrentNote::Sign::Sharp  ? sharp
                           : sign == CurrentNote::Sign::Flat ? flat
                                                             : natural;
        look::popUpMenu(noteTypeMenu_, globalAt, present,
                        QGuiApplication::mouseButtons() == Qt::NoButton);
    });

    // Tab walks the window from top to bottom, left to right; the keyboard
    // starts on the fretboard.
    setTabOrder(fretboard_, sharpToggle_);
    setTabOrder(sharpToggle_, flatToggle_);
    setTabOrder(flatToggle_, staff_);
    setTabOrder(staff_, close);
    fretboard_->setFocus();

    showNamingToggles();
    fretboard_->buildFretboard();
    // The head and its sign wait below the staff's visible part until a note
    // is chosen; showNote is not called before the first selection.
}

void NoteTableWindow::showNamingToggles()
{
    sharpToggle_->setPixmap(loadPicture(note_.flatNaming() ? Picture::SharpOff : Picture::SharpOn));
    flatToggle_->setPixmap(loadPicture(note_.flatNaming() ? Picture::FlatOn : Picture::FlatOff));
    sharpToggle_->setChecked(!note_.flatNaming());
    flatToggle_->setChecked(note_.flatNaming());
}

void NoteTableWindow::selectCell(int string, int fret)
{
    note_.selectFromTag(notes::cellTag(string, fret));
    showNote();
    fretboard_->setCell(string, fret, Picture::ClickedCell);
}

void NoteTableWindow::selectStaffPosition(int staffPosition)
{
    note_.setStaffPosition(staffPosition);
    showNote();
}

void NoteTableWindow::playCell(int string, int fret)
{
    synth::playNote(desktop_.waveOutput(), synth::stringFrequency(string, fret));
}

// The note at the pitch of the cells it marks; a note that marks none (E#, B#,
// Fb, Cb) at the pitch of the note it equals.
void NoteTableWindow::playShownNote()
{
    if (note_.staffPosition() == CurrentNote::NoNote)
        return;
    const int alteration = note_.sign() == CurrentNote::Sign::Sharp  ? 1
                           : note_.sign() == CurrentNote::Sign::Flat ? -1
                                                                     : 0;
    synth::playNote(desktop_.waveOutput(),
                    synth::writtenNoteFrequency(note_.staffPosition(), alteration));
}

void NoteTableWindow::useFlatNames()
{
    if (!note_.switchToFlatNaming())
        return;
    showNamingToggles();
    showNote();
}

void NoteTableWindow::useSharpNames()
{
    if (!note_.switchToSharpNaming())
        return;
    showNamingToggles();
    showNote();
}

void NoteTableWindow::makeNatural()
{
    note_.putNatural();
    showNote();
}

void NoteTableWindow::makeSharp()
{
    note_.putSharp();
    showNamingToggles();
    showNote();
}

void NoteTableWindow::makeFlat()
{
    note_.putFlat();
    showNamingToggles();
    showNote();
}

// Names the current note, marks every cell that sounds it and no other, and
// draws the note on the staff.
void NoteTableWindow::showNote()
{
    noteName_->setText(note_.name());
    const notes::TagKey key = note_.key();
    for (int fret = notes::LowestFret; fret <= notes::HighestFret; ++fret) {
        for (int string = 1; string <= guitar::StringCount; ++string) {
            const bool sounds = notes::tagKeyOf(notes::cellTag(string, fret)) == key;
            fretboard_->setCell(string, fret, sounds ? Picture::MatchingCell : Picture::PlainCell);
        }
    }
    staff_->showNote(note_.staffPosition(), note_.sign(), note_.name());
}
