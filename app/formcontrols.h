#pragma once

#include "worksheet/worksheet.h"

#include <array>

class CaptionLabel;
class LineShape;
class PictureArea;
class ResultLine;
class QPushButton;
class TextBox;

// One number's controls, as the form builds them from its control table.
struct NumberControls {
    TextBox* input = nullptr;
    QPushButton* button = nullptr;
    PictureArea* quotients = nullptr;
    PictureArea* divisors = nullptr;
    LineShape* bar = nullptr;
    std::array<TextBox*, factorRowSize> bases{};
    std::array<TextBox*, factorRowSize> exponents{};
    CaptionLabel* label = nullptr;
};

// Every control of the form: the two numbers' own, then the comparison buttons and the
// lines that write their results out.
struct FormControls {
    std::array<NumberControls, 2> numbers;
    QPushButton* cmdMCD = nullptr;
    QPushButton* cmdMCM = nullptr;
    ResultLine* lblmcd = nullptr;
    ResultLine* lblmcm = nullptr;
};
