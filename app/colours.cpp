#include "app/colours.h"

#include <QApplication>
#include <QPalette>

namespace {

QPalette::ColorRole roleOfSystemColour(int index) {
    switch (index) {
    case 5: // window background
        return QPalette::Base;
    case 8: // window text
        return QPalette::Text;
    case 9: // text of the title bar: white on the desktop this window was drawn for
        return QPalette::HighlightedText;
    case 15: // button face
        return QPalette::Button;
    case 18: // button text
        return QPalette::ButtonText;
    default:
        return QPalette::WindowText;
    }
}

} // namespace

QColor toQColor(Colour colour) {
    if (colour & 0x80000000u)
        return QApplication::palette().color(roleOfSystemColour(static_cast<int>(colour & 0xFF)));
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}
