#include "fakecontrols.h"
#include "tests/oracle/primereference.h"
#include "worksheet/decomposition.h"
#include "worksheet/practicefactorrow.h"
#include "worksheet/practiceladder.h"
#include "worksheet/practicemarks.h"
#include "worksheet/practicescore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace {

using Log = std::vector<std::string>;

std::string shown(const Powers& powers) {
    std::string text;
    for (const Power& p : powers)
        text += " " + std::to_string(p.prime) + "^" + std::to_string(p.exponent);
    return text;
}

// "Divisor 2 Wrong NotPrime RuleOfTwo q250 d0 a10 r2": place, attempt, outcome, mistake,
// hint, then the numbers a message reads.
std::string shown(const LadderAnswer& a) {
    static const char* places[] = {"Divisor", "Quotient", "Done"};
    static const char* outcomes[] = {"Right", "Wrong", "Helped", "NotAsked"};
    static const char* mistakes[] = {
        "-",        "NotANumber",       "NotAboveOne",  "DoesNotDivide",
        "NotPrime", "NotSmallestPrime", "WrongQuotient"};
    static const char* hints[] = {
        "-",           "RuleOfTwo",    "RuleOfThree", "RuleOfFive", "RuleOfEleven",
        "TryDividing", "DoTheDivision"};
    return std::string(places[int(a.place)]) + " " + std::to_string(a.attempt.number) + " " +
           outcomes[int(a.attempt.outcome)] + " " + mistakes[int(a.mistake)] + " " +
           hints[int(a.hint)] + " q" + std::to_string(a.quotient) + " d" +
           std::to_string(a.divisor) + " a" + std::to_string(a.answer) + " r" +
           std::to_string(a.rightAnswer);
}

struct Step {
    const char* typed;
    const char* expected;
};
struct Game {
    std::int32_t number;
    std::vector<Step> steps;
};

// 250 with mistakes on the way: every place of its ladder, two of them helped.
// clang-format off
const Game gameOf250{250, {
    {"3", "Divisor 1 Wrong DoesNotDivide - q250 d0 a3 r2"},
    {"10", "Divisor 2 Wrong NotPrime RuleOfTwo q250 d0 a10 r2"},
    {"2", "Divisor 3 Right - - q250 d0 a2 r2"},
    {"120", "Quotient 1 Wrong WrongQuotient - q250 d2 a120 r125"},
    {"125", "Quotient 2 Right - - q250 d2 a125 r125"},
    {"25", "Divisor 1 Wrong NotPrime - q125 d0 a25 r5"},
    {"\t5 ", "Divisor 2 Right - - q125 d0 a5 r5"},
    {"", "Quotient 1 Wrong NotANumber - q125 d5 a0 r25"},
    {"-25", "Quotient 2 Wrong NotANumber DoTheDivision q125 d5 a0 r25"},
    {"24", "Quotient 3 Helped WrongQuotient - q125 d5 a24 r25"},
    {"5", "Divisor 1 Right - - q25 d0 a5 r5"},
    {"005", "Quotient 1 Right - - q25 d5 a5 r5"},
    {"7", "Divisor 1 Wrong DoesNotDivide - q5 d0 a7 r5"},
    {"1", "Divisor 2 Wrong NotAboveOne RuleOfFive q5 d0 a1 r5"},
    {"0", "Divisor 3 Helped NotAboveOne - q5 d0 a0 r5"},
    {"1", "Quotient 1 Right - - q5 d5 a1 r1"},
    {"1", "Done 1 NotAsked - - q1 d0 a0 r0"},
}};

class LadderGames : public testing::TestWithParam<Game> {};

TEST_P(LadderGames, check_each_answer_in_order_with_hint_and_help) {
    PracticeLadder ladder(GetParam().number);
    FakeControls controls;
    for (const Step& step : GetParam().steps)
        EXPECT_EQ(shown(ladder.answer(step.typed, controls)), step.expected) << step.typed;
}

INSTANTIATE_TEST_SUITE_P(Practice, LadderGames, testing::Values(gameOf250,
    Game{75, {{"5", "Divisor 1 Wrong NotSmallestPrime - q75 d0 a5 r3"},
              {"3.0", "Divisor 2 Wrong NotANumber RuleOfThree q75 d0 a0 r3"}}},
    Game{121, {{"2", "Divisor 1 Wrong DoesNotDivide - q121 d0 a2 r11"},
               {"+11", "Divisor 2 Wrong NotANumber RuleOfEleven q121 d0 a0 r11"}}},
    Game{49, {{"2", "Divisor 1 Wrong DoesNotDivide - q49 d0 a2 r7"},
              {"49", "Divisor 2 Wrong NotPrime TryDividing q49 d0 a49 r7"}}},
    Game{2147483647, {{"2147483648", "Divisor 1 Wrong NotANumber - q2147483647 d0 a0 r2147483647"},
                      {"2 147483647", "Divisor 2 Wrong NotANumber TryDividing q2147483647 d0 a0 r2147483647"},
                      {" 2147483647\n", "Divisor 3 Right - - q2147483647 d0 a2147483647 r2147483647"}}},
    Game{1, {{"1", "Done 1 NotAsked - - q1 d0 a0 r0"}}}));
// clang-format on

// The ladder the demonstration draws: every line but the pauses and the factor row.
Log demonstrated(std::int32_t number) {
    Worksheet worksheet;
    FakeControls controls;
    decomposeTyped(worksheet, controls, std::to_string(number));
    Log ladder;
    for (const std::string& line : controls.log)
        if (line.rfind("clear", 0) == 0 || line.rfind("x ", 0) == 0 || line.rfind("print", 0) == 0)
            ladder.push_back(line);
    return ladder;
}

TEST(Practice, the_game_of_250_draws_the_demonstrated_ladder_and_scores_it) {
    PracticeLadder ladder(250);
    FakeControls controls;
    PracticeScore score;
    ladder.start(controls);
    for (const Step& step : gameOf250.steps)
        score.record(ladder.answer(step.typed, controls).attempt);
    EXPECT_EQ(controls.log, demonstrated(250));
    EXPECT_EQ(ladder.divisors(), (std::vector<std::int32_t>{2, 5, 5, 5}));

    PracticeFactorRow row(250, ladder.divisors());
    score.record(row.check({{"5", "3"}, {"2", "2"}}).attempt);
    score.record(row.check({{"5", "3"}, {"2", ""}}).attempt);
    score.record(row.check({{"5", "3"}, {"2", ""}}).attempt);
    EXPECT_EQ(std::vector<int>({score.rightFirstTime(), score.answered(), score.helps()}),
              std::vector<int>({3, 9, 2}));
    score.reset();
    EXPECT_EQ(score.answered(), 0);
}

// Every number up to 3000, played with the reference's answers: the practice draws what the
// demonstration draws, and takes the reference's powers in any order.
TEST(Practice, right_answers_draw_the_demonstrated_ladder_of_every_number) {
    const oracle::PrimeReference reference(3000);
    for (std::int32_t n = 1; n <= 3000; ++n) {
        const oracle::Factorisation f = reference.factorise(n);
        PracticeLadder ladder(n);
        FakeControls controls;
        ladder.start(controls);
        std::int64_t quotient = n;
        for (int i = 0; i < f.factorCount; ++i) {
            quotient /= f.factors[i];
            const LadderAnswer divisor = ladder.answer(std::to_string(f.factors[i]), controls);
            const LadderAnswer next = ladder.answer(std::to_string(quotient), controls);
            ASSERT_EQ(divisor.attempt.outcome, AnswerOutcome::Right) << n;
            ASSERT_EQ(next.attempt.outcome, AnswerOutcome::Right) << n;
        }
        ASSERT_EQ(ladder.nextPlace(), LadderPlace::Done) << n;
        ASSERT_EQ(controls.log, demonstrated(n)) << n;

        std::vector<TypedPair> typed(7);
        Powers expected;
        for (int k = 0; k < f.primeCount; ++k) {
            typed[6 - k] = {std::to_string(f.primes[k]), std::to_string(f.exponents[k])};
            expected.push_back(Power{f.primes[k], f.exponents[k]});
        }
        if (n == 1)
            typed[3].base = "1";
        PracticeFactorRow row(n, ladder.divisors());
        ASSERT_EQ(shown(row.check(typed).powers), shown(expected)) << n;
        ASSERT_TRUE(row.done()) << n;
    }
}

std::string shown(const RowCheck& c) {
    static const char* mistakes[] = {
        "Right",    "BaseNotANumber",      "BaseNotPrime",     "NotDivisor",
        "Repeated", "ExponentWithoutBase", "ExponentNotWhole", "WrongExponent",
        "Missing",  "OneMissing"};
    if (c.mistake == RowMistake::None)
        return std::string("Right") + shown(c.powers);
    return std::string(mistakes[int(c.mistake)]) + " pair" + std::to_string(c.pair) + " p" +
           std::to_string(c.prime) + " c" + std::to_string(c.count);
}

struct RowCase {
    std::int32_t number;
    std::vector<std::int32_t> divisors;
    std::vector<TypedPair> typed;
    const char* expected;
};

class FactorRows : public testing::TestWithParam<RowCase> {};

TEST_P(FactorRows, name_the_first_mistake_or_give_the_ascending_powers) {
    PracticeFactorRow row(GetParam().number, GetParam().divisors);
    EXPECT_EQ(shown(row.check(GetParam().typed)), GetParam().expected);
}

const std::vector<std::int32_t> ladderOf250{2, 5, 5, 5};
// clang-format off
INSTANTIATE_TEST_SUITE_P(Practice, FactorRows, testing::Values(
    RowCase{250, ladderOf250, {{"", ""}, {" 5 ", "3"}, {"", ""}, {"2", " "}}, "Right 2^1 5^3"},
    RowCase{250, ladderOf250, {{"2", ""}}, "Missing pair-1 p5 c3"},
    RowCase{250, ladderOf250, {{"3", ""}, {"x", ""}}, "NotDivisor pair0 p3 c0"},
    RowCase{250, ladderOf250, {{"2", ""}, {"5", "2"}}, "WrongExponent pair1 p5 c3"},
    RowCase{250, ladderOf250, {{"2", "1"}, {"5", "3"}, {"2", "1"}}, "Repeated pair2 p2 c0"},
    RowCase{250, ladderOf250, {{"2", ""}, {"5,", "3"}}, "BaseNotANumber pair1 p0 c0"},
    RowCase{250, ladderOf250, {{"10", ""}}, "BaseNotPrime pair0 p10 c0"},
    RowCase{250, ladderOf250, {{"1", ""}}, "BaseNotPrime pair0 p1 c0"},
    RowCase{250, ladderOf250, {{"2", "0"}}, "ExponentNotWhole pair0 p2 c0"},
    RowCase{250, ladderOf250, {{"5", "3"}, {"2", "1.0"}}, "ExponentNotWhole pair1 p2 c0"},
    RowCase{250, ladderOf250, {{"2", ""}, {"", "3"}}, "ExponentWithoutBase pair1 p0 c0"},
    RowCase{1, {}, {}, "OneMissing pair-1 p0 c0"},
    RowCase{1, {}, {{"1", ""}}, "Right"},
    RowCase{1, {}, {{"2", ""}}, "NotDivisor pair0 p2 c0"}));
// clang-format on

std::string shown(const MarksCheck& c) {
    static const char* mistakes[] = {
        "Right",         "NotCommon", "NotSmallestExponent", "NotGreatestExponent", "MarkedTwice",
        "MissingCommon", "Missing"};
    if (c.mistake == MarksMistake::None)
        return "Right " + std::to_string(c.value) + " =" + shown(c.powers);
    return std::string(mistakes[int(c.mistake)]) + " " + std::to_string(c.prime);
}

struct MarksCase {
    MarkRule rule;
    Powers first, second;
    std::vector<bool> firstMarks, secondMarks;
    const char* expected;
};

class Markings : public testing::TestWithParam<MarksCase> {};

TEST_P(Markings, name_the_first_mistake_or_give_the_value) {
    const MarksCase& c = GetParam();
    PracticeMarks marks(c.rule, c.first, c.second);
    EXPECT_EQ(shown(marks.check(c.firstMarks, c.secondMarks)), c.expected);
}

const Powers of250{{2, 1}, {5, 3}}, of300{{2, 2}, {3, 1}, {5, 2}}, of20{{2, 2}, {5, 1}},
    of12{{2, 2}, {3, 1}}, of9{{3, 2}}, of1{};
const MarkRule gcd = MarkRule::CommonDivisor, lcm = MarkRule::CommonMultiple;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Practice, Markings, testing::Values(
    MarksCase{gcd, of250, of300, {1, 0}, {0, 0, 1}, "Right 50 = 2^1 5^2"},
    MarksCase{gcd, of250, of300, {1, 1}, {0, 1, 0}, "NotCommon 3"},
    MarksCase{gcd, of250, of300, {0, 1}, {1, 0, 0}, "NotSmallestExponent 5"},
    MarksCase{gcd, of250, of300, {0, 0}, {0, 0, 1}, "MissingCommon 2"},
    MarksCase{gcd, of20, of12, {1, 0}, {1, 0}, "MarkedTwice 2"},
    MarksCase{gcd, of20, of12, {}, {1}, "Right 4 = 2^2"},
    MarksCase{gcd, of9, of20, {}, {}, "Right 1 ="},
    MarksCase{gcd, of1, of20, {true}, {}, "Right 1 ="},
    MarksCase{lcm, of250, of300, {0, 1}, {1, 1, 0}, "Right 1500 = 2^2 3^1 5^3"},
    MarksCase{lcm, of250, of300, {1, 1}, {0, 1}, "NotGreatestExponent 2"},
    MarksCase{lcm, of250, of300, {0, 1}, {1}, "Missing 3"},
    MarksCase{lcm, of20, of12, {1, 1}, {1, 1}, "MarkedTwice 2"},
    MarksCase{lcm, of1, of1, {true}, {}, "Right 1 ="}));
// clang-format on

// Marked as the rules say, the powers must multiply to std::gcd and std::lcm, for 360
// against every number up to 3000.
TEST(Practice, marks_by_the_rules_give_the_gcd_and_lcm) {
    const oracle::PrimeReference reference(3000);
    const oracle::Factorisation of360 = reference.factorise(360);
    auto powersOf = [](const oracle::Factorisation& f) {
        Powers powers;
        for (int k = 0; k < f.primeCount; ++k)
            powers.push_back(Power{f.primes[k], f.exponents[k]});
        return powers;
    };
    for (std::int32_t n = 1; n <= 3000; ++n) {
        const Powers rows[2] = {powersOf(reference.factorise(n)), powersOf(of360)};
        std::vector<bool> gcdMarks[2], lcmMarks[2];
        for (int r = 0; r < 2; ++r) {
            for (const Power& p : rows[r]) {
                const auto other = std::find_if(rows[1 - r].begin(), rows[1 - r].end(),
                                                [&](const Power& q) { return q.prime == p.prime; });
                const int otherExponent = other == rows[1 - r].end() ? 0 : other->exponent;
                const bool first = r == 0 || p.exponent != otherExponent;
                gcdMarks[r].push_back(p.exponent <= otherExponent && first);
                lcmMarks[r].push_back(p.exponent >= otherExponent && first);
            }
        }
        EXPECT_EQ(PracticeMarks(gcd, rows[0], rows[1]).check(gcdMarks[0], gcdMarks[1]).value,
                  std::gcd(n, 360))
            << n;
        EXPECT_EQ(PracticeMarks(lcm, rows[0], rows[1]).check(lcmMarks[0], lcmMarks[1]).value,
                  std::lcm(n, 360))
            << n;
    }
}

} // namespace
