#include "Form_style.h"

QFont Windows_font(int pixel_height)
{
    static const bool substituted = [] {
        QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arial", "DejaVu Sans"});
        return true;
    }();
    (void)substituted;
    QFont font("MS Sans Serif");
    font.setPixelSize(pixel_height);
    return font;
}
