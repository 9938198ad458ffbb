#include "fakecontrols.h"
#include "worksheet/exercise.h"

#include <gtest/gtest.h>

namespace {

struct Pair {
    Worksheet worksheet;
    FakeControls controls;

    explicit Pair(double input = 0) {
        if (input > 0)
            decomposeTyped(worksheet, controls, std::to_string(static_cast<long long>(input)));
        controls.log.clear();
    }
};

TEST(Comparison, common_divisor_marks_the_smaller_power_once_per_shared_prime) {
    Pair first(250), second(300);
    markCommonDivisor(first.worksheet, first.controls, second.worksheet, second.controls);
    EXPECT_EQ(first.controls.log, std::vector<std::string>{"colour 0 255"});
    EXPECT_EQ(second.controls.log, std::vector<std::string>{"colour 2 255"});
}

TEST(Comparison, worksheets_without_primes_match_nothing) {
    for (const double input : {0.0, 1.0, 250.0}) {
        Pair decomposed(input), empty, one(1);
        markCommonDivisor(decomposed.worksheet, decomposed.controls, empty.worksheet,
                          empty.controls);
        markCommonDivisor(one.worksheet, one.controls, decomposed.worksheet, decomposed.controls);
        EXPECT_TRUE(decomposed.controls.log.empty()) << input;
        EXPECT_TRUE(empty.controls.log.empty()) << input;
        EXPECT_TRUE(one.controls.log.empty()) << input;
    }
}

TEST(Comparison, common_multiple_unmarks_red_and_marks_every_other_shown_power) {
    Pair first(250), second(300);
    first.controls.colours[0] = colours::divisorMark;
    second.controls.colours[1] = colours::multipleMark;
    second.controls.colours[2] = colours::divisorMark;
    markCommonMultiple(first.controls, second.controls);
    EXPECT_EQ(first.controls.log,
              (std::vector<std::string>{"colour 0 " + std::to_string(colours::normal),
                                        "colour 1 12582912"}));
    EXPECT_EQ(second.controls.log,
              (std::vector<std::string>{"colour 0 12582912", "colour 1 12582912",
                                        "colour 2 " + std::to_string(colours::normal)}));
}

TEST(Comparison, start_again_brings_both_worksheets_back_to_their_first_state) {
    Pair first(2097152), second(510510);
    first.controls.colours.fill(colours::multipleMark);
    startAgain(first.worksheet, first.controls, second.worksheet, second.controls);
    for (Pair* pair : {&first, &second}) {
        EXPECT_EQ(pair->worksheet.number, 0);
        EXPECT_EQ(pair->worksheet.digitCount, 0);
        EXPECT_EQ(pair->worksheet.factorCount, 0);
        EXPECT_EQ(pair->worksheet.primeCount, 0);
        EXPECT_EQ(pair->worksheet.factors, Worksheet{}.factors);
        EXPECT_EQ(pair->worksheet.primes, Worksheet{}.primes);
        EXPECT_EQ(pair->worksheet.exponents, Worksheet{}.exponents);
        EXPECT_EQ(pair->controls.bases, (std::array<std::string, 7>{}));
        EXPECT_EQ(pair->controls.exponents, (std::array<std::string, 7>{}));
        EXPECT_EQ(pair->controls.label, "");
        EXPECT_EQ(pair->controls.colours, (FakeControls{}.colours));
        EXPECT_NE(std::find(pair->controls.log.begin(), pair->controls.log.end(), "clear Q"),
                  pair->controls.log.end());
        EXPECT_NE(std::find(pair->controls.log.begin(), pair->controls.log.end(), "clear D"),
                  pair->controls.log.end());
    }
    // The same number decomposes as on a fresh worksheet.
    Pair fresh(2097152);
    FakeControls again;
    decomposeTyped(first.worksheet, again, "2097152");
    EXPECT_EQ(first.worksheet.factors, fresh.worksheet.factors);
    EXPECT_EQ(first.worksheet.primes, fresh.worksheet.primes);
    EXPECT_EQ(first.worksheet.exponents, fresh.worksheet.exponents);
}

} // namespace
