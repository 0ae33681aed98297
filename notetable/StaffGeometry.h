#pragma once

// Where notes stand on the staff picture, in pixels of that picture. The
// centre of a head at staff position p lies at y = 140 - 5p: position 8 on the
// bottom staff line (y 100), 16 on the top line (y 60).
namespace staff {

// Left edges of the note head and of its sign, in pixels.
inline constexpr int HeadLeft = 136;
inline constexpr int SignLeft = 120;
// The sign stands this many twips above the head (4 pixels at 96 dpi), so
// that their middles line up.
inline constexpr int SignRaiseTwips = 60;
// Where the head and sign wait, out of sight, until a note is chosen (twips).
inline constexpr int HiddenTopTwips = 5000;

// The top of the head picture for a staff position: 134 - 5p. Positions far
// off the board are clamped so that the result stays well out of sight.
int headTop(int staffPosition);

// The staff position a press at height y chooses: the nearest line or space,
// 26 for every press above y = 14 and 1 for every press below y = 135.
int positionAt(double y);

} // namespace staff
