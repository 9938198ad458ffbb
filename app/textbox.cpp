#include "app/textbox.h"

#include "app/colours.h"
#include "app/translated.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QtMath>

#include <algorithm>

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
    const QRect textArea = rect().adjusted(framelessMarginPixels, 0, -framelessMarginPixels, 0);
    if (hasFrame() || hasFocus()) {
        QLineEdit::paintEvent(event);
        QPainter painter(this);
        drawUnderline(painter, textArea);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(textArea, int(alignment()), text());
    drawUnderline(painter, textArea);
}

void TextBox::setUnderlinesMark(bool underlines) {
    m_underlinesMark = underlines;
    update();
}

void TextBox::drawUnderline(QPainter& painter, const QRect& textArea) const {
    if (!m_underlinesMark || text().isEmpty() ||
        (m_colour != colours::divisorMark && m_colour != colours::multipleMark))
        return;
    // Under the digits, just below the baseline, thick enough to show from the back row.
    const QFontMetricsF metrics(font());
    const QRectF ink = QStyle::alignedRect(
        Qt::LeftToRight, alignment(),
        QSize(qCeil(metrics.horizontalAdvance(text())), qCeil(metrics.height())), textArea);
    const double thickness = std::max(2.0, metrics.height() / 8);
    const double top =
        std::min(ink.top() + metrics.ascent() + thickness / 2, double(height()) - thickness);
    painter.fillRect(QRectF(ink.left(), top, ink.width(), thickness), toQColor(m_colour));
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
