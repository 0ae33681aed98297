#include "NoteTableWindow.h"

#include "ActionLabel.h"
#include "CellTags.h"
#include "FretboardView.h"
#include "Look.h"
#include "Palette.h"
#include "Resources.h"
#include "StaffGeometry.h"
#include "StaffView.h"

#include <QLabel>
#include <QMenu>

namespace {

ActionLabel* toggleImage(const char* name, QRect geometry, const QString& hover, QWidget* parent)
{
    auto* image = new ActionLabel(QString(), parent);
    image->setObjectName(QLatin1String(name));
    image->setGeometry(geometry);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setToolTip(hover);
    return image;
}

} // namespace

NoteTableWindow::NoteTableWindow(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmNoteTable"));
    setAttribute(Qt::WA_DeleteOnClose);
    look::setUpFramedWindow(this, QStringLiteral("Note table"),
                            look::twipsRect(0, 0, 9045, 5535).size(), palette::NoteTablePaper);

    fretboard_ = new FretboardView(this, notes::LowestFret, notes::HighestFret,
                                   FretboardView::Mode::ClickableCells);
    connect(fretboard_, &FretboardView::cellClicked, this, &NoteTableWindow::Cell_Click);

    picC = new QLabel(this);
    picC->setObjectName(QStringLiteral("picC"));
    picC->setGeometry(look::twipsRect(240, 2400, 3975, 2820));
    picC->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picC->setPixmap(loadPicture(Picture::AboutPanel));

    lblNoteName = new QLabel(picC);
    lblNoteName->setObjectName(QStringLiteral("lblNoteName"));
    lblNoteName->setGeometry(look::twipsRect(120, 0, 3255, 375));
    lblNoteName->setFont(look::comicFont(9.75, false, true));
    lblNoteName->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    look::setTextColour(lblNoteName, palette::Ink);

    // The sign pictures are 32 x 32 and shown at their own size; the flat
    // toggle lies above the sharp toggle where they overlap.
    imgSharp =
        toggleImage("imgSharp", QRect(look::twipsRect(3480, 0, 0, 0).topLeft(), QSize(32, 32)),
                    QStringLiteral("Sharp"), picC);
    imgFlat = toggleImage("imgFlat", QRect(look::twipsRect(3705, 0, 0, 0).topLeft(), QSize(32, 32)),
                          QStringLiteral("Flat"), picC);
    connect(imgSharp, &ActionLabel::clicked, this, &NoteTableWindow::imgSharp_Click);
    connect(imgFlat, &ActionLabel::clicked, this, &NoteTableWindow::imgFlat_Click);

    picStave = new StaffView(picC);
    connect(picStave, &StaffView::pressed, this, &NoteTableWindow::picStave_MouseDown);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(look::twipsRect(5160, 2400, 3585, 2415));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(loadPicture(Picture::DiagonalGuitar));

    lblClose = ActionLabel::create(QStringLiteral("Close"), this,
                                   look::twipsRect(7800, 4800, 0, 0).topLeft());
    lblClose->setObjectName(QStringLiteral("lblClose"));
    connect(lblClose, &ActionLabel::clicked, this, &NoteTableWindow::lblClose_Click);

    mnuMain = new QMenu(QStringLiteral("Main"), this);
    mnuMain->setObjectName(QStringLiteral("mnuMain"));
    mnuComp = mnuMain->addAction(QStringLiteral("Normal"));
    mnuComp->setObjectName(QStringLiteral("mnuComp"));
    mnuSharp = mnuMain->addAction(QStringLiteral("Sharp (#)"));
    mnuSharp->setObjectName(QStringLiteral("mnuSharp"));
    mnuFlat = mnuMain->addAction(QStringLiteral("Flat (b)"));
    mnuFlat->setObjectName(QStringLiteral("mnuFlat"));
    connect(mnuComp, &QAction::triggered, this, &NoteTableWindow::mnuComp_Click);
    connect(mnuSharp, &QAction::triggered, this, &NoteTableWindow::mnuSharp_Click);
    connect(mnuFlat, &QAction::triggered, this, &NoteTableWindow::mnuFlat_Click);

    Form_Load();
}

void NoteTableWindow::Form_Load()
{
    handCursor_ = handCursor();
    plainCell_ = loadPicture(Picture::PlainCell);
    clickedCell_ = loadPicture(Picture::ClickedCell);
    matchingCell_ = loadPicture(Picture::MatchingCell);
    sharpOn_ = loadPicture(Picture::SharpOn);
    flatOn_ = loadPicture(Picture::FlatOn);
    sharpOff_ = loadPicture(Picture::SharpOff);
    flatOff_ = loadPicture(Picture::FlatOff);

    lblClose->setCursor(handCursor_);
    imgSharp->setCursor(handCursor_);
    imgFlat->setCursor(handCursor_);

    note_ = CurrentNote{};
    ShowNamingToggles();
    fretboard_->BuildFretboard(plainCell_);
    // The head and its sign wait below the staff's visible part until a note
    // is chosen; ShowNote is not called before the first selection.
}

void NoteTableWindow::ShowNamingToggles()
{
    imgSharp->setPixmap(note_.FlatMode ? sharpOff_ : sharpOn_);
    imgFlat->setPixmap(note_.FlatMode ? flatOn_ : flatOff_);
}

void NoteTableWindow::Cell_Click(int string, int fret)
{
    note_.SelectFromTag(fretboard_->cellTag(string, fret));
    ShowNote();
    fretboard_->setCellPicture(string, fret, clickedCell_);
}

void NoteTableWindow::picStave_MouseDown(Qt::MouseButton button, QPointF at, QPoint globalAt)
{
    if (button == Qt::LeftButton)
        StaveClick(at.x(), at.y());
    else if (button == Qt::RightButton)
        mnuMain->popup(globalAt);
}

void NoteTableWindow::StaveClick(double, double y)
{
    note_.SetStaffPosition(staff::PositionAt(y));
    ShowNote();
}

void NoteTableWindow::imgFlat_Click()
{
    if (!note_.SwitchToFlatNaming())
        return;
    ShowNamingToggles();
    ShowNote();
}

void NoteTableWindow::imgSharp_Click()
{
    if (!note_.SwitchToSharpNaming())
        return;
    ShowNamingToggles();
    ShowNote();
}

void NoteTableWindow::mnuComp_Click()
{
    note_.PutNatural();
    ShowNote();
}

void NoteTableWindow::mnuSharp_Click()
{
    note_.PutSharp();
    ShowNamingToggles();
    ShowNote();
}

void NoteTableWindow::mnuFlat_Click()
{
    note_.PutFlat();
    ShowNamingToggles();
    ShowNote();
}

void NoteTableWindow::ShowNote()
{
    lblNoteName->setText(note_.Name());
    const notes::TagKey key = note_.Key();
    for (int fret = notes::LowestFret; fret <= notes::HighestFret; ++fret) {
        for (int string = 1; string <= notes::StringCount; ++string) {
            if (fretboard_->cellKey(string, fret) == key) {
                fretboard_->setCellPicture(string, fret, matchingCell_);
                fretboard_->setCellMarked(string, fret, true);
            } else if (fretboard_->cellMarked(string, fret)) {
                fretboard_->setCellPicture(string, fret, plainCell_);
            }
        }
    }
    picStave->ShowNote(note_.StaffPos, note_.NoteType);
}

void NoteTableWindow::lblClose_Click()
{
    close();
}
