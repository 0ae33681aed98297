#include "ChordFinderWindow.h"

#include "ActionLabel.h"
#include "ChordDisplay.h"
#include "ChordFile.h"
#include "ChordList.h"
#include "ChordLists.h"
#include "ChordSpeech.h"
#include "Desktop.h"
#include "FingeringBoard.h"
#include "GuitarSound.h"
#include "Look.h"
#include "Palette.h"
#include "SpokenNames.h"
#include "Twips.h"

#include <QLabel>

namespace {

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

} // namespace

ChordFinderWindow::ChordFinderWindow(platform::Desktop& desktop, QWidget* parent)
    : QWidget(parent), desktop_(desktop)
{
    setObjectName(QStringLiteral("frmChord"));
    setAttribute(Qt::WA_DeleteOnClose);
    look::setUpFramedWindow(this, QStringLiteral("Chord finder"),
                            platform::TwipsRect(0, 0, 5955, 4440).size(), palette::Cream);
    look::closeOnEscape(this);

    fretboard_ = new FingeringBoard(this);
    groupList_ = new ChordList(QStringLiteral("lstGroup"), QStringLiteral("Chord groups"),
                               platform::TwipsRect(330, 2280, 2415, 1395), this);
    chordList_ = new ChordList(QStringLiteral("lstChord"), QStringLiteral("Chords"),
                               platform::TwipsRect(2955, 2280, 2655, 1395), this);

    descriptionLabel_ = new QLabel(this);
    descriptionLabel_->setObjectName(QStringLiteral("lblDesc"));
    descriptionLabel_->setAttribute(Qt::WA_TranslucentBackground);
    descriptionLabel_->setGeometry(platform::TwipsRect(240, 3945, 2775, 255));

    // Part of the layout, with nothing behind it yet: never shown.
    auto* chordEditorLabel = new QLabel(QStringLiteral("Chord editor "), this);
    chordEditorLabel->setObjectName(QStringLiteral("lblChordEditor"));
    chordEditorLabel->setFont(look::comicFont(12, true));
    look::setTextColour(chordEditorLabel, palette::Action);
    chordEditorLabel->move(platform::TwipsRect(1080, 3840, 0, 0).topLeft());
    chordEditorLabel->adjustSize();
    chordEditorLabel->hide();

    favoritesLabel_ = ActionLabel::create(QStringLiteral("Favorites"), this,
                                          platform::TwipsRect(3600, 3840, 0, 0).topLeft(), 12,
                                          ActionLabel::Role::Toggle);
    favoritesLabel_->setObjectName(QStringLiteral("lblFavorites"));
    auto* closeLabel = ActionLabel::create(QStringLiteral("Close"), this,
                                           platform::TwipsRect(5040, 3840, 0, 0).topLeft());
    closeLabel->setObjectName(QStringLiteral("lblClose"));
    // The window opens with the keyboard in the chord list; Tab goes on to the
    // board, the groups and the actions.
    setTabOrder(chordList_, fretboard_);
    setTabOrder(fretboard_, groupList_);
    setTabOrder(groupList_, favoritesLabel_);
    setTabOrder(favoritesLabel_, closeLabel);
    chordList_->setFocus();

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
    // Sound only on gestures a click does not make.
    connect(chordList_, &QListWidget::itemDoubleClicked, this, &ChordFinderWindow::strumChord);
    connect(fretboard_, &FingeringBoard::strumRequested, this, &ChordFinderWindow::strumChord);
    connect(favoritesLabel_, &ActionLabel::clicked, this, &ChordFinderWindow::toggleFavorites);
    connect(closeLabel, &ActionLabel::clicked, this, &QWidget::close);

    loadChords();
}

void ChordFinderWindow::loadChords()
{
    chords_ = loadChordFile(
        desktop_, this, favoritesLabel_->isChecked() ? ChordSet::Favorites : ChordSet::Ordinary);
    groupList_->clear();
    groupList_->addSpokenEntries(groupEntries(chords_), [](const QString&) { return QString(); });
    if (groupList_->count() > 0)
        groupList_->setCurrentRow(0);
}

void ChordFinderWindow::showGroup()
{
    const QListWidgetItem* selected = selectedItem(chordList_);
    const int remembered = selected ? chordList_->row(selected) : -1;
    chordList_->clear();
    const QString group = selectedText(groupList_);
    // A chord is described as the board describes it, so that moving through
    // the list reads each chord's fingering.
    chordList_->addSpokenEntries(chordNames(chords_, group), [this, &group](const QString& name) {
        const ChordRecord* chord = findChord(chords_, group, name);
        return chord ? spokenChord(*chord) : QString();
    });
    const int row = keptChordRow(remembered, chordList_->count());
    if (row >= 0)
        chordList_->setCurrentRow(row);
}

const ChordRecord* ChordFinderWindow::selectedChord() const
{
    return findChord(chords_, selectedText(groupList_), selectedText(chordList_));
}

void ChordFinderWindow::showChord()
{
    const ChordRecord* chord = selectedChord();
    if (!chord)
        return;
    fretboard_->showChord(*chord);
    descriptionLabel_->setText(chord->description);
    descriptionLabel_->setAccessibleName(notes::spokenText(chord->description));
}

void ChordFinderWindow::strumChord()
{
    if (const ChordRecord* chord = selectedChord())
        synth::playStrum(desktop_.waveOutput(), soundingFrets(*chord));
}

void ChordFinderWindow::toggleFavorites()
{
    favoritesLabel_->setSwitchedOn(!favoritesLabel_->isChecked());
    loadChords();
}
