#include "app/textbox.h"

#include "app/colours.h"

#include <QMouseEvent>

TextBox::TextBox(QWidget* parent)
    : QLineEdit(parent) {
    applyColour();
}

void TextBox::setTextColour(Colour colour) {
    m_colour = colour;
    applyColour();
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void TextBox::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    // A system colour follows the palette it is taken from.
    if (event->type() == QEvent::ApplicationPaletteChange)
        applyColour();
}

void TextBox::applyColour() {
    QPalette colours = palette();
    colours.setColor(QPalette::Text, toQColor(m_colour));
    setPalette(colours);
}
