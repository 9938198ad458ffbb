#include "worksheet/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct Reading {
    const char* text;
    double value;
    bool found;
    bool wholeText;
};

class TextToNumber : public testing::TestWithParam<Reading> {};

TEST_P(TextToNumber, reads_the_longest_leading_number) {
    const Reading& expected = GetParam();
    const NumberReading reading = readNumber(expected.text);
    EXPECT_EQ(reading.value, expected.value) << expected.text;
    EXPECT_EQ(reading.found, expected.found) << expected.text;
    EXPECT_EQ(reading.wholeText, expected.wholeText) << expected.text;
}

const double infinity = std::numeric_limits<double>::infinity();
const std::string twoTo1024InHex = "&H1" + std::string(256, '0');

// clang-format off
INSTANTIATE_TEST_SUITE_P(Conversions, TextToNumber, testing::Values(
    Reading{"250", 250, true, true},
    Reading{"", 0, false, false},
    Reading{"   ", 0, false, false},
    Reading{"2 50", 250, true, true},
    Reading{" \t2\n5 0 ", 250, true, true},
    Reading{"0250", 250, true, true},
    Reading{"12abc", 12, true, false},
    Reading{"2,5", 2, true, false},
    Reading{"1.5", 1.5, true, true},
    Reading{".5", 0.5, true, true},
    Reading{"5.", 5, true, true},
    Reading{"1.2.3", 1.2, true, false},
    Reading{"1e3", 1000, true, true},
    Reading{"1E+3", 1000, true, true},
    Reading{"25e-1", 2.5, true, true},
    Reading{"1e", 1, true, false},
    Reading{"1e+", 1, true, false},
    Reading{"-7", -7, true, true},
    Reading{"+7", 7, true, true},
    Reading{"-", 0, false, false},
    Reading{".", 0, false, false},
    Reading{"abc", 0, false, false},
    Reading{"&HFF", 255, true, true},
    Reading{"&hff", 255, true, true},
    Reading{"&O17", 15, true, true},
    Reading{"&O19", 1, true, false},
    Reading{"&H", 0, false, false},
    // 2^57 + 17 lies past the half-way point to 2^57 + 32: rounding digit by digit ended on 2^57.
    Reading{"&H200000000000011", 144115188075855904.0, true, true},
    Reading{"&O10000000000000000021", 144115188075855904.0, true, true},
    Reading{"&O1777777777777777777777", 18446744073709551616.0, true, true},
    Reading{"&H0000000000000000000000000000001F", 31, true, true},
    Reading{twoTo1024InHex.c_str(), infinity, true, true},
    Reading{"&X1", 0, false, false},
    Reading{"1e400", infinity, true, true},
    Reading{"1e-400", 0, true, true},
    Reading{"0.000000000000000000000000000000000000000000000001e400", infinity, true, true},
    Reading{"100000000000000000000000000000000000000000000000000e-380", 0, true, true},
    Reading{"100000000000000000000000000000000000000000000000000e-360", 1e-310, true, true},
    Reading{"1e99999999999999999999", infinity, true, true},
    Reading{"«250»", 0, false, false},
    // Thousands set off by periods, and the texts that only look like them.
    Reading{"1.000", 1000, true, true},
    Reading{"+2.147.483.646", 2147483646, true, true},
    Reading{" 1 .\t000\n", 1000, true, true},
    Reading{"1.000.000.000.000", 1e12, true, true},
    Reading{"1.0000", 1, true, true},
    Reading{"1.00", 1, true, true},
    Reading{"-1.000", -1, true, true},
    Reading{"1.000.5", 1, true, false},
    Reading{"1.000e3", 1000, true, true},
    Reading{"&H1.000", 1, true, false}
));
// clang-format on

struct Printed {
    double value;
    const char* text;
};

class NumberToPrintedText : public testing::TestWithParam<Printed> {};

TEST_P(NumberToPrintedText, leaves_room_for_the_sign_and_a_blank_after) {
    EXPECT_EQ(printedText(GetParam().value), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Conversions, NumberToPrintedText, testing::Values(
    Printed{250, " 250 "}, Printed{1, " 1 "}, Printed{0, " 0 "}, Printed{-5, "-5 "},
    Printed{2147483647, " 2147483647 "}, Printed{999999999999999, " 999999999999999 "},
    Printed{1.5, " 1.5 "}
));
// clang-format on

TEST(Conversions, box_text_is_the_bare_digits) {
    EXPECT_EQ(boxText(2), "2");
    EXPECT_EQ(boxText(32767), "32767");
    EXPECT_EQ(boxText(-3), "-3");
}

struct Rounding {
    double value;
    std::optional<std::int16_t> to16;
    std::optional<std::int32_t> to32;
};

class Roundings : public testing::TestWithParam<Rounding> {};

TEST_P(Roundings, go_to_the_even_neighbour_at_a_half_and_refuse_what_does_not_fit) {
    EXPECT_EQ(toInt16(GetParam().value), GetParam().to16) << GetParam().value;
    EXPECT_EQ(toInt32(GetParam().value), GetParam().to32) << GetParam().value;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Conversions, Roundings, testing::Values(
    Rounding{2.5, 2, 2}, Rounding{3.5, 4, 4}, Rounding{-2.5, -2, -2}, Rounding{2.4999, 2, 2},
    Rounding{2.5001, 3, 3}, Rounding{32767, 32767, 32767}, Rounding{32767.5, std::nullopt, 32768},
    Rounding{32768, std::nullopt, 32768}, Rounding{-32768, -32768, -32768},
    Rounding{-32768.5, -32768, -32768}, Rounding{-32769, std::nullopt, -32769},
    Rounding{2147483647, std::nullopt, 2147483647}, Rounding{2147483647.5, std::nullopt, std::nullopt},
    Rounding{2147483648.0, std::nullopt, std::nullopt}, Rounding{-2147483648.0, std::nullopt, INT32_MIN},
    Rounding{std::nan(""), std::nullopt, std::nullopt}
));
// clang-format on

} // namespace
