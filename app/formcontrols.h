#pragma once

#include "worksheet/worksheet.h"

#include <array>

class CaptionLabel;
class LineShape;
class PictureArea;
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

// What only the practice mode shows: the field where the pupil answers, the line that says
// what is right or wrong, the score and the button that checks a factor row.
struct PracticeControls {
    TextBox* answer = nullptr;
    CaptionLabel* message = nullptr;
    CaptionLabel* score = nullptr;
    QPushButton* check = nullptr;
};

// Every control of the form: the two numbers' own, then the comparison buttons and the
// lines that write their results out, and what the practice mode adds.
struct FormControls {
    std::array<NumberControls, 2> numbers;
    QPushButton* cmdMCD = nullptr;
    QPushButton* cmdMCM = nullptr;
    CaptionLabel* lblmcd = nullptr;
    CaptionLabel* lblmcm = nullptr;
    PracticeControls practice;
};
