#pragma once

// Window layouts are given in twips (1/1440 inch). These helpers convert them to
// the pixels Qt works in, using the screen's logical resolution.
namespace platform {

// 1440 divided by the logical dots per inch of the primary screen (15 at 96 dpi).
double TwipsPerPixel();

// Converts a length in twips to whole pixels (nearest, halves to even).
int TwipsToPixels(double twips);

} // namespace platform
