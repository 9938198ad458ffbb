#pragma once

#include "worksheet/colour.h"

#include <QColor>

// The colour a 32-bit colour value stands for: a plain colour from its red, green and
// blue bytes, or for a system colour (top bit set) the palette colour it names.
QColor toQColor(Colour colour);

namespace systemColours {
constexpr Colour captionText = 0x80000009; // background of the form and the quotient columns
constexpr Colour window = 0x80000005;      // background of the divisor columns and labels
constexpr Colour windowText = colours::normal;
} // namespace systemColours
