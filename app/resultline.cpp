#include "app/resultline.h"

#include "app/accessibility.h"
#include "app/captionlabel.h"

#include <QAccessible>

ResultLine::ResultLine(QWidget* parent)
    : QLabel(parent) {
    installAccessibleInterfaces();
}

void ResultLine::setLine(const QString& line) {
    const QString before = text();
    if (line == before)
        return;
    setText(line);
    QAccessibleTextUpdateEvent changed(this, 0, before, line);
    QAccessible::updateAccessibility(&changed);
}

QRect ResultLine::characterRect(int offset) const {
    return labelCharacterRect(*this, offset);
}
