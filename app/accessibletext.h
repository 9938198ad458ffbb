#pragma once

#include <QAccessibleWidget>

class ShownText;

// A widget that shows text the user cannot edit, read through the screen reader's text
// interface: static text named by what it is, whose text is what it shows.
class AccessibleText : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    AccessibleText(QWidget* widget, const ShownText& shown);

    void* interface_cast(QAccessible::InterfaceType type) override;

    void selection(int, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    using QAccessibleWidget::text;

private:
    const ShownText& m_shown;
};
