#pragma once

#include "worksheet/powers.h"
#include "worksheet/practiceanswer.h"

#include <cstdint>
#include <string>
#include <vector>

// What the pupil typed into one pair of the factor row.
struct TypedPair {
    std::string base;
    std::string exponent; // empty means 1
};

// What is wrong with a factor row: the first thing found, pair by pair, then what is missing.
enum class RowMistake {
    None,
    BaseNotANumber,      // the pair's base is not a whole number
    BaseNotPrime,        // the base read is not prime
    NotDivisor,          // a prime that does not divide the number
    Repeated,            // a prime written in an earlier pair too
    ExponentWithoutBase, // an exponent beside an empty base
    ExponentNotWhole,    // an exponent that is not a whole number of 1 or more
    WrongExponent,       // not the times the prime stands in the divisor column
    Missing,             // a prime of the divisor column that no pair has
    OneMissing,          // the row of 1 is empty: 1 has no prime factor, the row shows the 1
};

struct RowCheck {
    Attempt attempt;
    RowMistake mistake = RowMistake::None;
    int pair = -1;           // the pair at fault, 0 for the first; -1 for a missing prime
    std::int32_t prime = 0;  // the base read, or the missing prime
    int count = 0;           // times the prime stands in the divisor column
    std::int32_t number = 0; // the number decomposed
    Powers powers;           // when right: the row in ascending order, as the demonstration
                             // writes it; none for 1, whose row shows the 1 alone
};

// The pupil writes the factor row of a finished ladder: each prime of the divisor column
// once, in any order, its exponent the times it stands there.
class PracticeFactorRow {
public:
    // The ladder's number and its divisor column, in ascending order as a ladder writes it.
    PracticeFactorRow(std::int32_t number, const std::vector<std::int32_t>& divisors);

    // Checks the pairs as typed; empty pairs are left out.
    RowCheck check(const std::vector<TypedPair>& row);
    bool done() const { return m_done; }
    // The row as the demonstration writes it.
    const Powers& powers() const { return m_powers; }

private:
    RowMistake pairMistake(const TypedPair& typed, std::vector<std::int32_t>& seen,
                           RowCheck& check) const;
    RowMistake missing(const std::vector<std::int32_t>& seen, RowCheck& check) const;
    int timesInLadder(std::int32_t prime) const;

    std::int32_t m_number;
    Powers m_powers;
    int m_wrongAnswers = 0;
    bool m_done = false;
};
