#include "fakecontrols.h"
#include "worksheet/decomposition.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Log = std::vector<std::string>;

Log emptiedExponentsFrom(int first) {
    Log lines;
    for (int k = first; k < factorRowSize; ++k)
        lines.push_back("exponent " + std::to_string(k) + " ''");
    return lines;
}

Log concat(Log a, const Log& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The whole run of 250, with the label it ends on.
// clang-format off
Log ladderOf250(const std::string& label) {
    return concat({"clear Q", "clear D", "x Q 450", "print Q ' 250 '",
                   "pause", "print D ' 2 '", "pause", "x Q 450", "print Q ' 125 '",
                   "pause", "print D ' 5 '", "pause", "x Q 540", "print Q ' 25 '",
                   "pause", "print D ' 5 '", "pause", "x Q 630", "print Q ' 5 '",
                   "pause", "print D ' 5 '", "pause", "x Q 630", "print Q ' 1 '",
                   "base 0 '2'", "base 1 '5'", "exponent 0 '1'", "exponent 1 '3'", "label '" + label + "'"},
                  emptiedExponentsFrom(2));
}
// clang-format on

struct WorkedExample {
    const char* text;
    double input;
    Log expected;
};

class WorkedExamples : public testing::TestWithParam<WorkedExample> {};

TEST_P(WorkedExamples, draw_every_line_at_its_x_and_fill_every_box) {
    const WorkedExample& example = GetParam();
    Worksheet worksheet;
    FakeControls controls;

    EXPECT_EQ(checkInput(example.text).value, example.input);
    EXPECT_EQ(decomposeTyped(worksheet, controls, example.text), RunOutcome::Completed);
    EXPECT_EQ(controls.log, example.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Decomposition, WorkedExamples, testing::Values(
    WorkedExample{"250", 250, ladderOf250("250 = ")},
    WorkedExample{"300", 300, concat({
        "clear Q", "clear D", "x Q 450", "print Q ' 300 '",
        "pause", "print D ' 2 '", "pause", "x Q 450", "print Q ' 150 '",
        "pause", "print D ' 2 '", "pause", "x Q 540", "print Q ' 75 '",
        "pause", "print D ' 3 '", "pause", "x Q 540", "print Q ' 25 '",
        "pause", "print D ' 5 '", "pause", "x Q 630", "print Q ' 5 '",
        "pause", "print D ' 5 '", "pause", "x Q 630", "print Q ' 1 '",
        "base 0 '2'", "base 1 '3'", "base 2 '5'", "exponent 0 '2'", "exponent 1 '1'", "exponent 2 '2'",
        "label '300 = '"},
        emptiedExponentsFrom(3))},
    // 1 has no prime factor: the ladder is the 1 alone, the row shows 1 with no exponent.
    WorkedExample{"1", 1, concat({
        "clear Q", "clear D", "x Q 630", "print Q ' 1 '",
        "base 0 '1'", "exponent 0 ''", "label '1 = '"},
        emptiedExponentsFrom(1))},
    // The label repeats the text as typed, not the number it reads as.
    WorkedExample{"0250 ", 250, ladderOf250("0250  = ")}
), [](const auto& info) { return "typed_" + std::to_string(info.index) + "_" + std::to_string(static_cast<long long>(info.param.input)); });
// clang-format on

struct Grouping {
    double input;
    std::vector<int> factors;
    std::vector<int> primes;
    std::vector<int> exponents;
};

class Groupings : public testing::TestWithParam<Grouping> {};

TEST_P(Groupings, leave_the_worksheet_holding_the_factors_and_powers) {
    const Grouping& expected = GetParam();
    Worksheet ws;
    FakeControls controls;
    ASSERT_EQ(decomposeTyped(ws, controls, std::to_string(static_cast<long long>(expected.input))),
              RunOutcome::Completed);

    EXPECT_EQ(ws.number, 1);
    EXPECT_EQ(ws.digitCount, 1);
    ASSERT_EQ(ws.factorCount, static_cast<int>(expected.factors.size()));
    // The window heard of the whole ladder before its first line.
    EXPECT_EQ(controls.expectedLines, ws.factorCount + 1);
    EXPECT_EQ(controls.expectedNumber, expected.input);
    EXPECT_EQ(controls.expectedDivisor, expected.factors.back());
    EXPECT_EQ(std::vector<int>(ws.factors.begin(), ws.factors.begin() + ws.factorCount),
              expected.factors);
    ASSERT_EQ(ws.distinctPrimeCount(), static_cast<int>(expected.primes.size()));
    for (int k = 0; k < Worksheet::primeCapacity; ++k) {
        const bool inUse = k < ws.distinctPrimeCount();
        EXPECT_EQ(ws.primes[k], inUse ? expected.primes[k] : 0) << "prime " << k;
        EXPECT_EQ(ws.exponents[k], inUse ? expected.exponents[k] : (ws.factorCount ? 1 : 0))
            << "exponent " << k;
    }
    for (int k = 0; k < factorRowSize; ++k) {
        const bool inUse = k < static_cast<int>(expected.primes.size());
        EXPECT_EQ(controls.bases[k], inUse ? std::to_string(expected.primes[k]) : "") << k;
        EXPECT_EQ(controls.exponents[k], inUse ? std::to_string(expected.exponents[k]) : "") << k;
    }
}

std::vector<int> repeated(int value, int times) {
    return std::vector<int>(times, value);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Decomposition, Groupings, testing::Values(
    Grouping{2, {2}, {2}, {1}},
    Grouping{32749, {32749}, {32749}, {1}},
    Grouping{32767, {7, 31, 151}, {7, 31, 151}, {1, 1, 1}},
    Grouping{32768, repeated(2, 15), {2}, {15}},
    Grouping{2097152, repeated(2, 21), {2}, {21}},
    Grouping{510510, {2, 3, 5, 7, 11, 13, 17}, {2, 3, 5, 7, 11, 13, 17}, {1, 1, 1, 1, 1, 1, 1}},
    Grouping{2147483646, {2, 3, 3, 7, 11, 31, 151, 331}, {2, 3, 7, 11, 31, 151, 331}, {1, 2, 1, 1, 1, 1, 1}},
    Grouping{1072497001, {32749, 32749}, {32749}, {2}}
), [](const auto& info) { return "input_" + std::to_string(static_cast<long long>(info.param.input)); });
// clang-format on

TEST(Decomposition, one_records_no_prime_for_a_comparison_to_match) {
    Worksheet ws;
    FakeControls controls;
    ASSERT_EQ(decomposeTyped(ws, controls, "1"), RunOutcome::Completed);
    EXPECT_EQ(ws.factorCount, 0);
    EXPECT_EQ(ws.distinctPrimeCount(), 0);
    EXPECT_EQ(ws.primes, Worksheet{}.primes);
    EXPECT_EQ(ws.exponents, Worksheet{}.exponents);
}

TEST(Decomposition, quotients_of_seven_digits_and_more_stay_right_aligned) {
    Worksheet ws;
    FakeControls controls;
    decomposeTyped(ws, controls, "2097152");
    EXPECT_EQ(controls.log[2], "x Q 90");
    EXPECT_EQ(controls.log[3], "print Q ' 2097152 '");
    EXPECT_EQ(controls.log[7], "x Q 90");
    EXPECT_EQ(controls.log[8], "print Q ' 1048576 '");
    EXPECT_EQ(controls.log[12], "x Q 180");
    EXPECT_EQ(controls.log[13], "print Q ' 524288 '");
}

TEST(Decomposition, a_window_closed_during_a_pause_stops_the_run_there) {
    Worksheet ws;
    FakeControls controls;
    controls.stopAtPause = 2; // the pause before the second quotient's divisor
    EXPECT_EQ(decomposeTyped(ws, controls, "250"), RunOutcome::Stopped);
    EXPECT_EQ(controls.log.back(), "pause");
    EXPECT_EQ(std::count(controls.log.begin(), controls.log.end(), "pause"), 3);
    EXPECT_TRUE(controls.label.empty());
}

TEST(Decomposition, empties_an_exponent_box_beside_an_empty_base_box) {
    Worksheet ws;
    FakeControls controls;
    controls.exponents = {"9", "9", "9", "9", "9", "9", "9"};
    decomposeTyped(ws, controls, "12");
    EXPECT_EQ(controls.exponents, (std::array<std::string, 7>{"2", "1", "", "", "", "", ""}));
}

// A factorisation that does not fit the worksheet, as a faulty input check could hand over.
InputCheck acceptedWith(double value, std::vector<std::int32_t> divisors) {
    InputCheck check;
    check.verdict = Verdict::Accepted;
    check.value = value;
    for (const std::int32_t divisor : divisors)
        check.factors.divisors[check.factors.divisorCount++] = divisor;
    return check;
}

TEST(Decomposition, a_factorisation_that_does_not_fit_ends_the_run_before_anything_is_drawn) {
    std::vector<InputCheck> faulty{
        acceptedWith(4194304, repeated(2, 22)),              // a 22nd factor
        acceptedWith(32771, {32771}),                        // a prime above 32767
        acceptedWith(9699690, {2, 3, 5, 7, 11, 13, 17, 19}), // an 8th distinct prime
        acceptedWith(250, {2, 5, 5}),                        // not the number's factors
        acceptedWith(250, {5, 2, 5, 5}),                     // not in ladder order
        acceptedWith(250, {0, 2, 5, 5, 5}),                  // not a divisor at all
    };
    faulty.push_back(checkInput("32771")); // refused, yet handed to the run
    for (const InputCheck& check : faulty) {
        Worksheet ws;
        FakeControls controls;
        EXPECT_EQ(descomposar(ws, controls, check, "x"), RunOutcome::OutOfLimits) << check.value;
        EXPECT_TRUE(controls.log.empty()) << check.value;
        EXPECT_EQ(ws.factorCount, 0) << check.value;
    }
    // A worksheet that was not started again has no room left for a second run.
    Worksheet used;
    FakeControls controls;
    ASSERT_EQ(decomposeTyped(used, controls, "2097152"), RunOutcome::Completed);
    EXPECT_EQ(decomposeTyped(used, controls, "2097152"), RunOutcome::OutOfLimits);
}

struct DigitCount {
    double number;
    int digits;
    int x;
};

class DigitCounts : public testing::TestWithParam<DigitCount> {};

TEST_P(DigitCounts, count_digits_and_align_the_quotient) {
    EXPECT_EQ(digitCountOf(GetParam().number), GetParam().digits);
    EXPECT_EQ(ladderX(digitCountOf(GetParam().number)), GetParam().x);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Ladder, DigitCounts, testing::Values(
    DigitCount{-5, 1, 630}, DigitCount{0, 1, 630}, DigitCount{1, 1, 630}, DigitCount{9.99, 1, 630},
    DigitCount{10, 2, 540}, DigitCount{99, 2, 540}, DigitCount{100, 3, 450}, DigitCount{999, 3, 450},
    DigitCount{1000, 4, 360}, DigitCount{9999, 4, 360}, DigitCount{10000, 5, 270}, DigitCount{99999, 5, 270},
    DigitCount{100000, 6, 180}, DigitCount{999999, 6, 180}, DigitCount{1000000, 7, 90},
    DigitCount{2097152, 7, 90}, DigitCount{99999999, 8, 0}, DigitCount{123456789, 9, -90},
    DigitCount{1000000000, 10, -180}, DigitCount{2147483647, 10, -180}
), [](const auto& info) { return "case_" + std::to_string(info.index); });
// clang-format on

} // namespace
