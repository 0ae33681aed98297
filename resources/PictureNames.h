#pragma once

#include <iterator>

// Every picture the program carries, by name. The windows, the picture
// generator and the tests all name pictures through this one table; the file
// names keep the catalogue's kind and number (bitmap 101 and icon 101 are
// different pictures), the pictures of the window layouts live in layout/.
// Scripts name them too, through the layout table the build writes
// (tools/layout).
enum class Picture
{
    // Fretboard pieces, 26 pixels wide: cells and string pieces 16 high, frame 11.
    PlainCell,        // bitmap 101: yellow wood, string line, fret wire
    ClickedCell,      // bitmap 102: red marker (note table, the cell clicked)
    MatchingCell,     // bitmap 103: grey-brown marker (note table, same note)
    FrameTopLeft,     // bitmap 104
    OpenString,       // bitmap 105: nut band and string
    FrameBottomLeft,  // bitmap 106
    FrameTop,         // bitmap 107
    FrameBottom,      // bitmap 108
    FrameTopRight,    // bitmap 109
    StringEnd,        // bitmap 110
    FrameBottomRight, // bitmap 111
    MutedString,      // bitmap 112: open-string piece with a cross
    PressedCell,      // bitmap 120: brown dot (chord finder)
    BarreFirst,       // bitmap 121
    BarreMiddle,      // bitmap 122
    BarreLast,        // bitmap 123
                      // Icons.
    SharpOn,          // icon 101: black sharp sign
    FlatOn,           // icon 102: black flat sign
    SharpOff,         // icon 103: brown sharp sign
    FlatOff,          // icon 104: brown flat sign
    NoteHead,         // icon 105
    WindowIcon,       // icon 106: the yellow guitar of every window
    HandCursor,       // cursor 101, hot spot (5, 0)
                      // Pictures of the window layouts.
    MainGuitar,       // 71 x 214 upright guitar drawing (main menu)
    AboutPanel,       // 265 x 187 panel with its orange title band (About, note table)
    Staff,            // 242 x 150 treble staff (note table)
    DiagonalGuitar,   // 239 x 161 guitar lying diagonally (note table)
    TempoField,       // 57 x 22 bevelled field behind the tempo box (metronome)
    SliderBar,        // 220 x 22 tempo scale with 11 ticks (metronome)
    FilePathBar,      // 281 x 17 golden bar behind the sound name (metronome)
    SliderPointer,    // 32 x 32 orange cone, apex 9 px right of its left edge (metronome)
    RedGuitar,        // 32 x 32 red electric guitar (About)
};

struct PictureFile
{
    Picture picture;
    const char* name; // the enumerator's name, by which scripts find the picture
    const char* path; // relative to the pictures folder
};

// In the order of the enum, so that PictureFiles[int(p)].picture == p.
inline constexpr PictureFile PictureFiles[] = {
    {Picture::PlainCell, "PlainCell", "bitmap-101.png"},
    {Picture::ClickedCell, "ClickedCell", "bitmap-102.png"},
    {Picture::MatchingCell, "MatchingCell", "bitmap-103.png"},
    {Picture::FrameTopLeft, "FrameTopLeft", "bitmap-104.png"},
    {Picture::OpenString, "OpenString", "bitmap-105.png"},
    {Picture::FrameBottomLeft, "FrameBottomLeft", "bitmap-106.png"},
    {Picture::FrameTop, "FrameTop", "bitmap-107.png"},
    {Picture::FrameBottom, "FrameBottom", "bitmap-108.png"},
    {Picture::FrameTopRight, "FrameTopRight", "bitmap-109.png"},
    {Picture::StringEnd, "StringEnd", "bitmap-110.png"},
    {Picture::FrameBottomRight, "FrameBottomRight", "bitmap-111.png"},
    {Picture::MutedString, "MutedString", "bitmap-112.png"},
    {Picture::PressedCell, "PressedCell", "bitmap-120.png"},
    {Picture::BarreFirst, "BarreFirst", "bitmap-121.png"},
    {Picture::BarreMiddle, "BarreMiddle", "bitmap-122.png"},
    {Picture::BarreLast, "BarreLast", "bitmap-123.png"},
    {Picture::SharpOn, "SharpOn", "icon-101.png"},
    {Picture::FlatOn, "FlatOn", "icon-102.png"},
    {Picture::SharpOff, "SharpOff", "icon-103.png"},
    {Picture::FlatOff, "FlatOff", "icon-104.png"},
    {Picture::NoteHead, "NoteHead", "icon-105.png"},
    {Picture::WindowIcon, "WindowIcon", "icon-106.png"},
    {Picture::HandCursor, "HandCursor", "cursor-101.png"},
    {Picture::MainGuitar, "MainGuitar", "layout/main-guitar.png"},
    {Picture::AboutPanel, "AboutPanel", "layout/about-panel.png"},
    {Picture::Staff, "Staff", "layout/staff.png"},
    {Picture::DiagonalGuitar, "DiagonalGuitar", "layout/diagonal-guitar.png"},
    {Picture::TempoField, "TempoField", "layout/tempo-field.png"},
    {Picture::SliderBar, "SliderBar", "layout/slider-bar.png"},
    {Picture::FilePathBar, "FilePathBar", "layout/file-path-bar.png"},
    {Picture::SliderPointer, "SliderPointer", "layout/slider-pointer.png"},
    {Picture::RedGuitar, "RedGuitar", "layout/red-guitar.png"},
};

constexpr const char* pictureFile(Picture picture)
{
    return PictureFiles[static_cast<int>(picture)].path;
}

static_assert([] {
    for (int i = 0; i < int(std::size(PictureFiles)); ++i) {
        if (static_cast<int>(PictureFiles[i].picture) != i)
            return false;
    }
    return true;
}());
