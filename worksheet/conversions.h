#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What the text-to-number rule read from the start of a text.
struct NumberReading {
    double value = 0;       // 0 when no number starts the text
    bool found = false;     // a number starts the text
    bool wholeText = false; // the number takes up the whole text, blanks aside
};

// Text to number: blanks, tabs and line feeds are dropped wherever they stand. A text that
// is a whole number with its thousands set off by periods ("1.000", "+2.147.483.646") reads
// as that number; any other, by its longest leading number (sign, digits, one period,
// exponent; or "&H"/"&O" for hexadecimal and octal). Never fails: a text without a number
// reads as 0.
NumberReading readNumber(std::string_view text);
inline double textToNumber(std::string_view text) {
    return readNumber(text).value;
}

// Number to box text: the digits, a minus sign when negative, no blank.
std::string boxText(std::int16_t value);

// Number to printed text: a blank or minus sign, the decimal form, a trailing blank.
std::string printedText(double value);

// Rounding to the nearest whole number, a half going to the even neighbour; nothing when
// the result leaves the type's range.
std::optional<std::int16_t> toInt16(double value);
std::optional<std::int32_t> toInt32(double value);

// The text with the blanks, tabs and line feeds at both ends removed.
std::string_view trimmed(std::string_view text);
