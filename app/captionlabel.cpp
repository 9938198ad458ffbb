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
    setText(caption);
    QAccessibleTextUpdateEvent changed(this, 0, before, caption);
    QAccessible::updateAccessibility(&changed);
}

QRect CaptionLabel::characterRect(int offset) const {
    return labelCharacterRect(*this, offset);
}

QRect labelCharacterRect(const QLabel& label, int offset) {
    const QString caption = label.text();
    if (offset < 0 || offset >= caption.size())
        return QRect();
    const QFontMetrics metrics(label.font());
    const QRect area = label.contentsRect();
    const int width = metrics.horizontalAdvance(caption);
    const Qt::Alignment alignment = label.alignment();
    const int left = alignment & Qt::AlignRight     ? area.right() + 1 - width
                     : alignment & Qt::AlignHCenter ? area.left() + (area.width() - width) / 2
                                                    : area.left();
    const int top = area.top() + (area.height() - metrics.height()) / 2;
    return QRect(left + metrics.horizontalAdvance(caption.left(offset)), top,
                 metrics.horizontalAdvance(caption.at(offset)), metrics.height());
}
