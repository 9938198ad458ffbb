#pragma once

#include "worksheet/factorisation.h"

#include <string_view>

// Whether a typed text can be decomposed on a worksheet, and if not, why.
enum class Verdict {
    Accepted,
    Empty,                 // nothing but blanks
    NotPositiveWhole,      // not a number, something after it, zero, negative or a fraction
    TooLarge,              // above largestInput
    TooManyFactors,        // more prime factors, counted with repetition, than a worksheet keeps
    TooManyDistinctPrimes, // more distinct primes than the factor row has pairs
    PrimeTooLarge,         // a prime factor above largestPrime
};

struct InputCheck {
    Verdict verdict = Verdict::Empty;
    double value = 0;      // the number the text reads as
    Factorisation factors; // of an accepted number, or of a whole number refused for its factors
};

// The largest input the remainder test takes, and the largest prime a worksheet keeps: the
// largest signed 32-bit and 16-bit values.
constexpr double largestInput = 2147483647;
constexpr int largestPrime = 32767;

InputCheck checkInput(std::string_view text);

// Whether a worksheet has room for the factorisation: its divisors, its primes and each
// prime's size.
Verdict verdictOnFactors(const Factorisation& factors);
