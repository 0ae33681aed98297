#include "ChordFinderWindow.h"

#include "ActionLabel.h"
#include "ChordDisplay.h"
#include "ChordFile.h"
#include "ChordLists.h"
#include "FretboardView.h"
#include "Look.h"
#include "Palette.h"
#include "Resources.h"

#include <QListWidget>

namespace {

QListWidget* ChordList(const QString& name, QRect place, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSortingEnabled(false);
    list->setGeometry(place);
    QPalette colours = list->palette();
    colours.setColor(QPalette::Base, QColor::fromRgb(palette::ListYellow));
    colours.setColor(QPalette::Text, QColor::fromRgb(palette::Action));
    list->setPalette(colours);
    return list;
}

// The selected entry of a single-selection list, or null.
QListWidgetItem* SelectedItem(const QListWidget* list)
{
    const QList<QListWidgetItem*> items = list->selectedItems();
    return items.isEmpty() ? nullptr : items.front();
}

QString SelectedText(const QListWidget* list)
{
    const QListWidgetItem* item = SelectedItem(list);
    return item ? item->text() : QString();
}

// The window's fretboard as seen by the chord drawing.
class FretboardMarks : public ChordBoard
{
public:
    FretboardMarks(FretboardView& view, const std::array<QPixmap, 7>& pictures)
        : view_(view), pictures_(pictures)
    {}

    bool IsMarked(int string, int fret) const override
    {
        return fret == 0 ? view_.openMarked(string) : view_.cellMarked(string, fret);
    }

    void SetCell(int string, int fret, CellPicture picture, bool marked) override
    {
        const QPixmap& shown = pictures_[static_cast<std::size_t>(picture)];
        if (fret == 0) {
            view_.setOpenPicture(string, shown);
            view_.setOpenMarked(string, marked);
        } else {
            view_.setCellPicture(string, fret, shown);
            view_.setCellMarked(string, fret, marked);
        }
    }

private:
    FretboardView& view_;
    const std::array<QPixmap, 7>& pictures_;
};

} // namespace

ChordFinderWindow::ChordFinderWindow(platform::Desktop& desktop, QWidget* parent)
    : QWidget(parent), desktop_(desktop)
{
    setObjectName(QStringLiteral("frmChord"));
    setAttribute(Qt::WA_DeleteOnClose);
    look::setUpFramedWindow(this, QStringLiteral("Chord finder"),
                            look::twipsRect(0, 0, 5955, 4440).size(), palette::Cream);

    fretboard = new FretboardView(this, 1, ChordBoard::LastFret, FretboardView::Mode::DisplayOnly);
    lstGroup = ChordList(QStringLiteral("lstGroup"), look::twipsRect(330, 2280, 2415, 1395), this);
    lstChord = ChordList(QStringLiteral("lstChord"), look::twipsRect(2955, 2280, 2655, 1395), this);

    lblDesc = new QLabel(QStringLiteral("Desc"), this);
    lblDesc->setObjectName(QStringLiteral("lblDesc"));
    lblDesc->setAttribute(Qt::WA_TranslucentBackground);
    lblDesc->setGeometry(look::twipsRect(240, 3945, 2775, 255));

    // Part of the layout, with nothing behind it yet: never shown.
    lblChordEditor = new QLabel(QStringLiteral("Chord editor "), this);
    lblChordEditor->setObjectName(QStringLiteral("lblChordEditor"));
    lblChordEditor->setFont(look::comicFont(12, true));
    look::setTextColour(lblChordEditor, palette::Action);
    lblChordEditor->move(look::twipsRect(1080, 3840, 0, 0).topLeft());
    lblChordEditor->adjustSize();
    lblChordEditor->hide();

    lblFavorites = ActionLabel::create(QStringLiteral("Favorites"), this,
                                       look::twipsRect(3600, 3840, 0, 0).topLeft());
    lblFavorites->setObjectName(QStringLiteral("lblFavorites"));
    lblClose = ActionLabel::create(QStringLiteral("Close"), this,
                                   look::twipsRect(5040, 3840, 0, 0).topLeft());
    lblClose->setObjectName(QStringLiteral("lblClose"));
    // The keyboard starts in the chord list, then the groups, then the actions.
    setTabOrder(lstChord, lstGroup);
    setTabOrder(lstGroup, lblFavorites);
    setTabOrder(lblFavorites, lblClose);

    // Selecting from code raises the same handlers as a click; emptying a list
    // leaves nothing selected and is no click.
    connect(lstGroup, &QListWidget::itemSelectionChanged, this, [this] {
        if (SelectedItem(lstGroup))
            lstGroup_Click();
    });
    connect(lstChord, &QListWidget::itemSelectionChanged, this, [this] {
        if (SelectedItem(lstChord))
            lstChord_Click();
    });
    connect(lblFavorites, &ActionLabel::clicked, this, &ChordFinderWindow::lblFavorites_Click);
    connect(lblClose, &ActionLabel::clicked, this, &ChordFinderWindow::lblClose_Click);
    Form_Load();
}

void ChordFinderWindow::Form_Load()
{
    picCell = loadPicture(Picture::PlainCell);
    picDot = loadPicture(Picture::PressedCell);
    picCross = loadPicture(Picture::MutedString);
    picBarreStart = loadPicture(Picture::BarreFirst);
    picBarreMiddle = loadPicture(Picture::BarreMiddle);
    picBarreEnd = loadPicture(Picture::BarreLast);
    // ActionLabel::create gave lblClose and lblFavorites the hand cursor.
    lblDesc->clear();
    FavoritesMode = false;
    fretboard->buildFretboard(picCell);
    LoadChordData();
    FillGroupList();
}

void ChordFinderWindow::LoadChordData()
{
    Chords =
        loadChordFile(desktop_, this, FavoritesMode ? ChordSet::Favorites : ChordSet::Ordinary);
}

void ChordFinderWindow::FillGroupList()
{
    lstGroup->clear();
    lstGroup->addItems(GroupEntries(Chords));
    if (lstGroup->count() > 0)
        lstGroup->setCurrentRow(0);
}

void ChordFinderWindow::lstGroup_Click()
{
    const QListWidgetItem* selected = SelectedItem(lstChord);
    const int remembered = selected ? lstChord->row(selected) : -1;
    lstChord->clear();
    lstChord->addItems(ChordNames(Chords, SelectedText(lstGroup)));
    const int row = KeptChordRow(remembered, lstChord->count());
    if (row >= 0)
        lstChord->setCurrentRow(row);
}

void ChordFinderWindow::lstChord_Click()
{
    ShowChord();
}

int ChordFinderWindow::FindSelectedChord() const
{
    return FindChord(Chords, SelectedText(lstGroup), SelectedText(lstChord));
}

void ChordFinderWindow::ShowChord()
{
    const int index = FindSelectedChord();
    if (index < 1 || Chords.empty())
        return;
    const ChordRecord& chord = Chords[static_cast<std::size_t>(index) - 1];
    // The unmarked open-string piece is loaded afresh each time it is needed.
    const std::array<QPixmap, 7> pictures{picCell,       loadPicture(Picture::OpenString),
                                          picDot,        picCross,
                                          picBarreStart, picBarreMiddle,
                                          picBarreEnd};
    FretboardMarks marks(*fretboard, pictures);
    DrawChord(chord, marks);
    lblDesc->setText(chord.Description);
}

void ChordFinderWindow::lblFavorites_Click()
{
    FavoritesMode = !FavoritesMode;
    look::setTextColour(lblFavorites, FavoritesMode ? palette::SwitchOn : palette::Action);
    LoadChordData();
    FillGroupList();
}

void ChordFinderWindow::lblClose_Click()
{
    close();
}
