#pragma once

#include "worksheet/worksheetcontrols.h"

#include <array>

// The form as it was drawn: every control with its place and size in twips from the top
// left of the client area, its content and look when the window opens.

constexpr int formWidthTwips = 9645;
constexpr int formHeightTwips = 6825;
constexpr double designTwipsPerPixel = 15;

enum class ControlKind {
    InputBox, // where a number is typed
    CommandButton,
    PictureArea, // a ladder column
    Label,       // "250 = " before a factor row
    BaseBox,     // the base of a power in a factor row
    ExponentBox, // the raised exponent beside it
    Line,        // the vertical bar of a ladder
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
    ControlKind kind;
    TwipsRect rect;   // a line runs down from (left, top) for height twips
    const char* text; // design content
    int tabIndex;     // -1: no tab stop
    Colour back;      // background, or a button's face
    bool enabled;
    const char* accessibleName;
};

extern const std::array<ControlRow, 42> formLayout;

// The object names of one number's controls.
struct ControlNames {
    const char* input;
    const char* button;
    const char* quotients;
    const char* divisors;
    const char* bases; // element k is named bases_k
    const char* exponents;
    const char* label;
};

constexpr ControlNames firstNumberControls{"txt1", "cmd",  "pic1",    "pic2",
                                           "txt2", "txt3", "Label1_0"};
constexpr ControlNames secondNumberControls{"txt6", "cmd1", "pic3",    "pic4",
                                            "txt4", "txt5", "Label1_1"};
