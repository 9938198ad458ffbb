#pragma once

#include "worksheet/factorisation.h"
#include "worksheet/practiceanswer.h"
#include "worksheet/worksheetcontrols.h"

#include <cstdint>
#include <string_view>
#include <vector>

// The place of the ladder the pupil fills next.
enum class LadderPlace {
    Divisor,  // beside the current quotient
    Quotient, // under the current quotient
    Done,     // the quotient 1 is written
};

// What is wrong with an answer, in the order the places are checked.
enum class LadderMistake {
    None,
    NotANumber,       // not read as a whole number
    NotAboveOne,      // a divisor of 0 or 1
    DoesNotDivide,    // the divisor does not divide the quotient
    NotPrime,         // the divisor divides the quotient but is not prime
    NotSmallestPrime, // a prime divisor, but a smaller prime divides the quotient too
    WrongQuotient,    // not the quotient over the divisor
};

// The hint given with the second wrong answer on a place.
enum class LadderHint {
    None,
    RuleOfTwo, // the right divisor is 2, and the rule of 2 finds it
    RuleOfThree,
    RuleOfFive,
    RuleOfEleven,
    TryDividing,   // by the right divisor, which has no simple rule
    DoTheDivision, // of the quotient by the divisor
};

// The check of one answer. The numbers are those its message needs.
struct LadderAnswer {
    LadderPlace place = LadderPlace::Done;
    Attempt attempt;
    LadderMistake mistake = LadderMistake::None;
    LadderHint hint = LadderHint::None;
    std::int32_t quotient = 0;    // the quotient beside a divisor place, or above a quotient place
    std::int32_t divisor = 0;     // the divisor of a quotient place
    std::int32_t answer = 0;      // the number read; 0 when none was
    std::int32_t rightAnswer = 0; // the answer that fills the place
};

// The pupil writes the division ladder of one number, one place at a time: each answer is
// checked, and a right one is printed where the demonstration prints it. After the second
// wrong answer on a place comes a hint; after the third the right answer is written.
class PracticeLadder {
public:
    static constexpr int wrongAnswersBeforeHint = 2;
    static constexpr int wrongAnswersBeforeHelp = 3;

    // For a number the input check accepts: 1 to 2147483647.
    explicit PracticeLadder(std::int32_t number);

    // Empties both columns and prints the number as the ladder's first line.
    void start(WorksheetControls& controls) const;
    // Checks the text typed for the next place; prints the answer when it is right or
    // written for the pupil, and leaves the board as it was otherwise.
    LadderAnswer answer(std::string_view typed, WorksheetControls& controls);

    LadderPlace nextPlace() const { return m_place; }
    std::int32_t number() const { return m_number; }
    std::int32_t quotient() const { return m_quotient; }
    // The divisor column so far: the number's prime factors in ascending order, once done.
    const std::vector<std::int32_t>& divisors() const { return m_divisors; }

private:
    LadderAnswer placeNow() const;
    LadderMistake mistakeIn(const LadderAnswer& answer, bool read) const;
    LadderHint hint() const;
    void write(std::int32_t value, WorksheetControls& controls);

    // The ladder's right divisor at each step, factorised once.
    std::int32_t rightDivisor() const { return m_ladder.divisors[m_divisors.size()]; }

    std::int32_t m_number;
    Factorisation m_ladder;
    std::int32_t m_quotient;
    std::vector<std::int32_t> m_divisors;
    LadderPlace m_place;
    int m_wrongAnswers = 0; // on the current place
};
