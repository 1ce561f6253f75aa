#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

class QLabel;
class QWidget;

// The windows are laid out in pixels for the classic 8-point Windows font;
// these give that look on a Linux desktop.

// "MS Sans Serif" at a height in pixels, shown with a free sans of the same
// metrics where the original font is missing.
QFont Windows_font(int pixel_height);

inline const QColor button_face_colour{0xF0, 0xF0, 0xF0};
inline const QColor navy_colour{0x00, 0x00, 0x80};

// A label at its place in the window; it grows to fit its text but never
// shrinks, so that no caption is cut where the fallback font is wider than
// the original.
QLabel* Make_label(QWidget* parent, const QString& text, const QRect& bounds, const QFont& font);

void Set_text_colour(QWidget* widget, const QColor& colour);
