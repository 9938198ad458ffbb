#include "app/accessibletext.h"

#include "app/showntext.h"

#include <QWidget>

AccessibleText::AccessibleText(QWidget* widget, const ShownText& shown)
    : QAccessibleWidget(widget, QAccessible::StaticText)
    , m_shown(shown) {}

void* AccessibleText::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void AccessibleText::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

QString AccessibleText::text(int startOffset, int endOffset) const {
    return m_shown.shownText().mid(startOffset, endOffset - startOffset);
}

int AccessibleText::characterCount() const {
    return static_cast<int>(m_shown.shownText().size());
}

QRect AccessibleText::characterRect(int offset) const {
    // Screen coordinates, as the screen reader places what it reads on the screen.
    const QRect cell = m_shown.characterRect(offset);
    return QRect(widget()->mapToGlobal(cell.topLeft()), cell.size());
}

int AccessibleText::offsetAtPoint(const QPoint& point) const {
    for (int offset = 0; offset < characterCount(); ++offset)
        if (characterRect(offset).contains(point))
            return offset;
    return -1;
}

QString AccessibleText::attributes(int offset, int* startOffset, int* endOffset) const {
    // One run of plain text: no offset has attributes of its own.
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}
