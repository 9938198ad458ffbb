#pragma once

#include "worksheet/powers.h"
#include "worksheet/practiceanswer.h"

#include <cstdint>
#include <vector>

// Which marking the pupil makes on the two factor rows.
enum class MarkRule {
    CommonDivisor,  // "m.c.d.": each common prime once, with its smaller exponent
    CommonMultiple, // "m.c.m": each prime of either number once, with its greater exponent
};

// What is wrong with a marking: the first thing found, marks before missing primes.
enum class MarksMistake {
    None,
    NotCommon,           // m.c.d.: a marked prime that the other number lacks
    NotSmallestExponent, // m.c.d.: the other number has this prime to a smaller exponent
    NotGreatestExponent, // m.c.m: the other number has this prime to a greater exponent
    MarkedTwice,         // both powers of a prime marked, with the same exponent
    MissingCommon,       // m.c.d.: a common prime with no mark
    Missing,             // m.c.m: a prime of either number with no mark
};

struct MarksCheck {
    Attempt attempt;
    MarkRule rule = MarkRule::CommonDivisor;
    MarksMistake mistake = MarksMistake::None;
    std::int32_t prime = 0; // the prime the mistake is about
    std::int64_t value = 0; // when right: the m.c.d. or m.c.m; 1 when no power is marked
    Powers powers;          // when right: the marked powers, in ascending order
};

// The pupil marks the powers that make the m.c.d. or the m.c.m of two factored numbers.
class PracticeMarks {
public:
    // Each number's row as shown, one power a pair; the row of 1 has none.
    PracticeMarks(MarkRule rule, Powers first, Powers second);

    // Checks the marks per pair of each row; a pair beyond a row's powers, such as the 1
    // of the number 1, is no power and its mark counts for nothing.
    MarksCheck check(const std::vector<bool>& firstMarks, const std::vector<bool>& secondMarks);
    bool done() const { return m_done; }

private:
    MarkRule m_rule;
    Powers m_rows[2];
    int m_wrongAnswers = 0;
    bool m_done = false;
};
