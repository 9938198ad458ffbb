#pragma once

#include "worksheet/colour.h"

#include <array>

// The form as it was drawn: every control with its place and size in twips from the top
// left of the client area, its content and look when the window opens.

constexpr int formWidthTwips = 9645;
constexpr int formHeightTwips = 6825;
constexpr double designTwipsPerPixel = 15;

// What a control is for, which also says what kind of control it is.
enum class Role {
    Input,     // the text box where a number is typed
    Decompose, // its "descomposar" button
    Quotients, // the ladder's quotient column, a picture area
    Divisors,  // the ladder's divisor column, a picture area
    Bar,       // the vertical line between the two columns
    Label,     // "250 = " before the factor row
    Base,      // the base of a power in the factor row, a text box
    Exponent,  // the raised exponent beside it, a smaller text box
    Mcd,       // the "m.c.d." button
    Mcm,       // the "m.c.m" button
    McdLine,   // "m.c.d.(250, 300) = 2 · 5² = 50", written out under the factor rows
    McmLine,   // the same for the m.c.m, under it
    Answer,    // practice: where the pupil writes the next place of a ladder, a text box
    Message,   // practice: what is right or wrong with the last answer, a line of text
    Score,     // practice: the answers right at the first try, and the help used
    Check,     // practice: the "comprova" button, which checks a factor row
};

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

constexpr Colour noColour = 0xFFFFFFFF; // the kind's own colour

struct ControlRow {
    const char* name; // objectName; array elements as txt2_0
    Role role;
    int number;       // 0: the first number's, 1: the second's; -1: the window's
    int k;            // a power's place in its factor row, 0..6
    TwipsRect rect;   // a line runs down from (left, top) for height twips
    const char* text; // design content
    int tabIndex;     // -1: no tab stop
    Colour back;      // background, or a button's face
    bool enabled;
    const char* accessibleName;
};

extern const std::array<ControlRow, 48> controlTable;
