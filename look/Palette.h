#pragma once

#include <QRgb>

// Every colour of the program's look, defined once. The windows, the picture
// generator and the end-to-end scripts take their colours from here.
namespace palette {

// Clickable text, and a switch that is off.
inline constexpr QRgb Action = qRgb(208, 52, 0);
// A switch that is on ("Favorites", "Start/Stop").
inline constexpr QRgb SwitchOn = qRgb(0, 128, 0);
// The main menu's warm yellow.
inline constexpr QRgb MenuYellow = qRgb(255, 220, 64);
// The chord lists and the metronome window.
inline constexpr QRgb ListYellow = qRgb(255, 220, 72);
// The pale cream of the menu panel, the chord finder and the tempo box.
inline constexpr QRgb Cream = qRgb(255, 255, 216);
// The note table window.
inline constexpr QRgb NoteTablePaper = qRgb(255, 252, 208);
// The name of the metronome's click sound.
inline constexpr QRgb SoundNameGrey = qRgb(64, 64, 64);
// Plain text and outlines.
inline constexpr QRgb Ink = qRgb(0, 0, 0);

} // namespace palette
