#pragma once

#include <QColor>
#include <QFont>

// The windows are laid out in pixels for the classic 8-point Windows font;
// these give that look on a Linux desktop.

// "MS Sans Serif" at a height in pixels, shown with a free sans of the same
// metrics where the original font is missing.
QFont Windows_font(int pixel_height);

inline const QColor button_face_colour{0xF0, 0xF0, 0xF0};
inline const QColor navy_colour{0x00, 0x00, 0x80};
