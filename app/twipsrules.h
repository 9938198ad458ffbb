#pragma once

#include "app/controltable.h"
#include "app/textbox.h"

#include <QRectF>
#include <QSize>

// What the form's layout keeps to, wherever it places a control.
namespace twipsRules {

// Font sizes in pixels at the design size: the window's default font, and the larger one
// of the base boxes, labels and lines.
constexpr double defaultFontPixels = 11;
constexpr double largeFontPixels = 13;

// Room kept free between a factor row and the comparison buttons, and at the form's left
// edge for a long label.
constexpr double clearanceTwips = 60;
// Room a ladder's digits keep from its column's edges, as the drawn layout gives every
// number up to eight digits.
constexpr double edgeMarginTwips = 30;
// What the answer field's frame and margins take above and below its digits, in pixels.
constexpr double answerFramePixels = 4;

// A power's box draws its text a pixel in from each side, whatever the scale; one more
// pixel keeps the last digit clear of the edge after rounding.
constexpr double textBoxPaddingPixels = 2 * TextBox::framelessMarginPixels + 1;
constexpr double labelPaddingPixels = 2;

// How far apart the zoom's trials are, where a ladder does not fit the zoom asked for.
constexpr double zoomStep = 0.05;

inline bool isLadderColumn(const ControlRow& row) {
    return row.role == Role::Quotients || row.role == Role::Divisors;
}

inline bool isInRow(const ControlRow& row) {
    return row.role == Role::Base || row.role == Role::Exponent || row.role == Role::Label;
}

inline QRectF designTwips(const ControlRow& row) {
    return QRectF(row.rect.left, row.rect.top, row.rect.width, row.rect.height);
}

} // namespace twipsRules
