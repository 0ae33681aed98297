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

QListWidget* makeChordList(const QString& name, QRect place, QWidget* parent)
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
QListWidgetItem* selectedItem(const QListWidget* list)
{
    const QList<QListWidgetItem*> items = list->selectedItems();
    return items.isEmpty() ? nullptr : items.front();
}

QString selectedText(const QListWidget* list)
{
    const QListWidgetItem* item = selectedItem(list);
    return item ? item->text() : QString();
}

// The window's fretboard as seen by the chord drawing.
class FretboardMarks : public ChordBoard
{
public:
    explicit FretboardMarks(FretboardView& view) : view_(view) {}

    bool isMarked(int string, int fret) const override
    {
        return fret == 0 ? view_.openMarked(string) : view_.cellMarked(string, fret);
    }

    void setCell(int string, int fret, Picture picture, bool marked) override
    {
        if (fret == 0) {
            view_.setOpenPicture(string, loadPicture(picture));
            view_.setOpenMarked(string, marked);
        } else {
            view_.setCellPicture(string, fret, loadPicture(picture));
            view_.setCellMarked(string, fret, marked);
        }
    }

private:
    FretboardView& view_;
};

} // namespace

ChordFinderWindow::ChordFinderWindow(platform::Desktop& desktop, QWidget* parent)
    : QWidget(parent), desktop_(desktop)
{
    setObjectName(QStringLiteral("frmChord"));
    setAttribute(Qt::WA_DeleteOnClose);
    look::setUpFramedWindow(this, QStringLiteral("Chord finder"),
                            look::twipsRect(0, 0, 5955, 4440).size(), palette::Cream);

    fretboard_ = new FretboardView(this, 1, ChordBoard::LastFret, FretboardView::Mode::DisplayOnly);
    groupList_ =
        makeChordList(QStringLiteral("lstGroup"), look::twipsRect(330, 2280, 2415, 1395), this);
    chordList_ =
        makeChordList(QStringLiteral("lstChord"), look::twipsRect(2955, 2280, 2655, 1395), this);

    descriptionLabel_ = new QLabel(this);
    descriptionLabel_->setObjectName(QStringLiteral("lblDesc"));
    descriptionLabel_->setAttribute(Qt::WA_TranslucentBackground);
    descriptionLabel_->setGeometry(look::twipsRect(240, 3945, 2775, 255));

    // Part of the layout, with nothing behind it yet: never shown.
    auto* chordEditorLabel = new QLabel(QStringLiteral("Chord editor "), this);
    chordEditorLabel->setObjectName(QStringLiteral("lblChordEditor"));
    chordEditorLabel->setFont(look::comicFont(12, true));
    look::setTextColour(chordEditorLabel, palette::Action);
    chordEditorLabel->move(look::twipsRect(1080, 3840, 0, 0).topLeft());
    chordEditorLabel->adjustSize();
    chordEditorLabel->hide();

    favoritesLabel_ = ActionLabel::create(QStringLiteral("Favorites"), this,
                                          look::twipsRect(3600, 3840, 0, 0).topLeft());
    favoritesLabel_->setObjectName(QStringLiteral("lblFavorites"));
    auto* closeLabel = ActionLabel::create(QStringLiteral("Close"), this,
                                           look::twipsRect(5040, 3840, 0, 0).topLeft());
    closeLabel->setObjectName(QStringLiteral("lblClose"));
    // The keyboard starts in the chord list, then the groups, then the actions.
    setTabOrder(chordList_, groupList_);
    setTabOrder(groupList_, favoritesLabel_);
    setTabOrder(favoritesLabel_, closeLabel);

    // Selecting from code shows the selection as a click does; emptying a list
    // leaves nothing selected and shows nothing.
    connect(groupList_, &QListWidget::itemSelectionChanged, this, [this] {
        if (selectedItem(groupList_))
            showGroup();
    });
    connect(chordList_, &QListWidget::itemSelectionChanged, this, [this] {
        if (selectedItem(chordList_))
            showChord();
    });
    connect(favoritesLabel_, &ActionLabel::clicked, this, &ChordFinderWindow::toggleFavorites);
    connect(closeLabel, &ActionLabel::clicked, this, &QWidget::close);

    fretboard_->buildFretboard(loadPicture(Picture::PlainCell));
    loadChords();
}

void ChordFinderWindow::loadChords()
{
    chords_ =
        loadChordFile(desktop_, this, favoritesMode_ ? ChordSet::Favorites : ChordSet::Ordinary);
    groupList_->clear();
    groupList_->addItems(groupEntries(chords_));
    if (groupList_->count() > 0)
        groupList_->setCurrentRow(0);
}

void ChordFinderWindow::showGroup()
{
    const QListWidgetItem* selected = selectedItem(chordList_);
    const int remembered = selected ? chordList_->row(selected) : -1;
    chordList_->clear();
    chordList_->addItems(chordNames(chords_, selectedText(groupList_)));
    const int row = keptChordRow(remembered, chordList_->count());
    if (row >= 0)
        chordList_->setCurrentRow(row);
}

void ChordFinderWindow::showChord()
{
    const ChordRecord* chord =
        findChord(chords_, selectedText(groupList_), selectedText(chordList_));
    if (!chord)
        return;
    FretboardMarks marks(*fretboard_);
    drawChord(*chord, marks);
    descriptionLabel_->setText(chord->description);
}

void ChordFinderWindow::toggleFavorites()
{
    favoritesMode_ = !favoritesMode_;
    look::setTextColour(favoritesLabel_, favoritesMode_ ? palette::SwitchOn : palette::Action);
    loadChords();
}
