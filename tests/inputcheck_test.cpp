#include "worksheet/inputcheck.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct Case {
    const char* text;
    Verdict verdict;
    double value;
};

class InputChecks : public testing::TestWithParam<Case> {};

TEST_P(InputChecks, accept_what_a_worksheet_can_take_and_say_why_not) {
    const InputCheck check = checkInput(GetParam().text);
    EXPECT_EQ(check.verdict, GetParam().verdict) << GetParam().text;
    EXPECT_EQ(check.value, GetParam().value) << GetParam().text;
}

using V = Verdict;

// clang-format off
INSTANTIATE_TEST_SUITE_P(InputCheck, InputChecks, testing::Values(
    Case{"250", V::Accepted, 250},
    Case{" 0250\t", V::Accepted, 250},
    Case{"2 50", V::Accepted, 250},
    Case{"1e3", V::Accepted, 1000},
    Case{"&HFF", V::Accepted, 255},
    Case{"2.0", V::Accepted, 2},
    Case{"1", V::Accepted, 1},
    Case{"", V::Empty, 0},
    Case{" \t\n", V::Empty, 0},
    Case{"0", V::NotPositiveWhole, 0},
    Case{"-12", V::NotPositiveWhole, -12},
    Case{"1.5", V::NotPositiveWhole, 1.5},
    Case{"12abc", V::NotPositiveWhole, 12},
    Case{"2,5", V::NotPositiveWhole, 2},
    Case{"abc", V::NotPositiveWhole, 0},
    Case{"0.5e1", V::Accepted, 5},
    Case{"2147483646", V::Accepted, 2147483646},
    Case{"2147483647", V::PrimeTooLarge, 2147483647}, // a prime above 32767
    Case{"2147483648", V::TooLarge, 2147483648.0},
    Case{"1e400", V::TooLarge, std::numeric_limits<double>::infinity()},
    Case{"2097152", V::Accepted, 2097152},   // 2^21
    Case{"4194304", V::TooManyFactors, 4194304}, // 2^22
    Case{"510510", V::Accepted, 510510},     // 2·3·5·7·11·13·17
    Case{"9699690", V::TooManyDistinctPrimes, 9699690}, // ·19
    Case{"32749", V::Accepted, 32749},
    Case{"32771", V::PrimeTooLarge, 32771},
    Case{"1073938441", V::PrimeTooLarge, 1073938441}, // 32771²: the large prime is not the last
    Case{"65542", V::PrimeTooLarge, 65542},           // 2·32771
    Case{"1.000", V::Accepted, 1000},
    Case{"2.500", V::Accepted, 2500},
    Case{"12.50", V::NotPositiveWhole, 12.5},
    Case{"2.147.483.647", V::PrimeTooLarge, 2147483647},
    Case{"2.147.483.648", V::TooLarge, 2147483648.0},
    Case{"1.000.000.000.000", V::TooLarge, 1e12}
));
// clang-format on

TEST(InputCheck, counts_the_prime_factors_of_an_accepted_number) {
    EXPECT_EQ(checkInput("1").factors.divisorCount, 0);
    EXPECT_EQ(checkInput("250").factors.divisorCount, 4);
    EXPECT_EQ(checkInput("2147483646").factors.divisorCount, 8);
    EXPECT_EQ(checkInput("2097152").factors.divisorCount, 21);
}

} // namespace
