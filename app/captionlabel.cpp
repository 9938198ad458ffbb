#include "app/captionlabel.h"

#include "app/accessibility.h"

#include <QAccessible>
#include <QFontMetrics>

CaptionLabel::CaptionLabel(QWidget* parent)
    : QLabel(parent) {
    installAccessibleInterfaces();
}

void CaptionLabel::setCaption(const QString& caption) {
    const QString before = text();
    if (caption == before)
        return;
    setText(caption);
    QAccessibleTextUpdateEvent changed(this, 0, before, caption);
    QAccessible::updateAccessibility(&changed);
}

QRect CaptionLabel::characterRect(int offset) const {
    // Where the character at that offset of the one-line text stands, in pixels.
    const QString caption = text();
    if (offset < 0 || offset >= caption.size())
        return QRect();
    const QFontMetrics metrics(font());
    const QRect area = contentsRect();
    const int width = metrics.horizontalAdvance(caption);
    const int left = alignment() & Qt::AlignRight     ? area.right() + 1 - width
                     : alignment() & Qt::AlignHCenter ? area.left() + (area.width() - width) / 2
                                                      : area.left();
    const int top = area.top() + (area.height() - metrics.height()) / 2;
    return QRect(left + metrics.horizontalAdvance(caption.left(offset)), top,
                 metrics.horizontalAdvance(caption.at(offset)), metrics.height());
}
