#pragma once

#include <QImage>

// Pictures that belong to one window's layout: the About panel, the staff of
// the note table and the parts of the metronome's tempo slider and sound field.
namespace layout_art {

QImage AboutPanel();    // 265 x 187
QImage Staff();         // 242 x 150
QImage TempoField();    // 57 x 22
QImage SliderBar();     // 220 x 22
QImage FilePathBar();   // 281 x 17
QImage SliderPointer(); // 32 x 32, transparent

} // namespace layout_art
