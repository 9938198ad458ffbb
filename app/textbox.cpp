#include "app/textbox.h"

#include "app/colours.h"
#include "app/translated.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFrame>

namespace {

QString markDescription(Colour colour) {
    if (colour == colours::divisorMark)
        return translated("Forma part del m.c.d.");
    if (colour == colours::multipleMark)
        return translated("Forma part del m.c.m.");
    return QString();
}

} // namespace

TextBox::TextBox(QWidget* parent)
    : QLineEdit(parent) {
    applyColour();
}

void TextBox::setTextColour(Colour colour) {
    m_colour = colour;
    applyColour();
    describeMark();
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void TextBox::paintEvent(QPaintEvent* event) {
    // The line edit's own drawing keeps room for the font's widest overhangs, which in a
    // box as narrow as a power's would scroll even a two-digit number out of sight. While
    // nobody edits it, a frameless box draws its whole text itself.
    if (hasFrame() || hasFocus()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    painter.setPen(palette().color(QPalette::Text));
    const int margin = framelessMarginPixels;
    painter.drawText(rect().adjusted(margin, 0, -margin, 0), int(alignment()), text());
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

void TextBox::describeMark() {
    const QString mark = markDescription(m_colour);
    if (mark != accessibleDescription())
        setAccessibleDescription(mark);
}
