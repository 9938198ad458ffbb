#pragma once

#include <string_view>

// Whether a typed text can be decomposed on a worksheet, and if not, why.
enum class Verdict {
    Accepted,
    Empty,                 // nothing but blanks
    NotPositiveWhole,      // not a number, something after it, zero, negative or a fraction
    TooLarge,              // above 2147483647
    TooManyFactors,        // more than 21 prime factors counted with repetition
    TooManyDistinctPrimes, // more than 7 distinct primes: the factor row has seven pairs
    PrimeTooLarge,         // a prime factor above 32767
};

struct InputCheck {
    Verdict verdict = Verdict::Empty;
    double value = 0;    // the number the text reads as
    int factorCount = 0; // prime factors counted with repetition, for an accepted number
};

constexpr double largestInput = 2147483647;
constexpr int largestPrime = 32767;

InputCheck checkInput(std::string_view text);
