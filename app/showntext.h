#pragma once

#include <QRect>
#include <QString>

// A widget that draws its own text, as a screen reader reads it: the text, line by line,
// and where each character of it stands.
class ShownText {
public:
    virtual ~ShownText() = default;

    virtual QString shownText() const = 0;
    // The cell of the character at that offset of shownText(), in the widget's pixels.
    virtual QRect characterRect(int offset) const = 0;
};
