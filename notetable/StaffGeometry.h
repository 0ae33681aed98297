#pragma once

// Where notes stand on the staff picture, in pixels of that picture. Staff
// positions count lines and spaces upwards: 1 is the low E below the staff, 8
// the bottom line, 16 the top line, 26 the highest B above it. The middle of a
// head at position p lies PositionStep pixels higher for every position above
// 0, whose middle would lie at y = PositionZeroY: position 8 at y 100, 16 at
// y 60.
namespace staff {

inline constexpr int LowestPosition = 1;
inline constexpr int HighestPosition = 26;
inline constexpr int PositionZeroY = 140;
inline constexpr int PositionStep = 5;
// The middle of the head lies this far below the top of its picture.
inline constexpr int HeadMiddleDrop = 6;
// Every press above this height chooses the highest position, every press
// below that one the lowest.
inline constexpr double HighestPressY = 14;
inline constexpr double LowestPressY = 135;

// Left edges of the note head and of its sign, in pixels.
inline constexpr int HeadLeft = 136;
inline constexpr int SignLeft = 120;
// The sign stands this many twips above the head (4 pixels at 96 dpi), so
// that their middles line up.
inline constexpr int SignRaiseTwips = 60;
// Where the head and sign wait, out of sight, until a note is chosen (twips).
inline constexpr int HiddenTopTwips = 5000;

// The height of the middle of a head at a staff position: 140 - 5p.
double centreOf(int staffPosition);

// The top of the head picture for a staff position: 134 - 5p. Positions far
// off the board are clamped so that the result stays well out of sight.
int headTop(int staffPosition);

// The staff position a press at height y chooses: the nearest line or space
// (halfway, the even one), HighestPosition for every press above
// HighestPressY and LowestPosition for every press below LowestPressY.
int positionAt(double y);

} // namespace staff
