#include "Form_style.h"

#include <QLabel>

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

QLabel* Make_label(QWidget* parent, const QString& text, const QRect& bounds, const QFont& font)
{
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->setGeometry(bounds);
    label->resize(qMax(bounds.width(), label->sizeHint().width()), qMax(bounds.height(), label->sizeHint().height()));
    return label;
}

void Set_text_colour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}
