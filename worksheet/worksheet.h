#pragma once

#include <array>
#include <cstdint>

// One factor row has seven pairs of a base box and a raised exponent box: a worksheet takes
// at most seven distinct primes.
constexpr int factorRowSize = 7;

// The state of one number's decomposition. The window owns two of these, one per number,
// for its whole life.
struct Worksheet {
    static constexpr int factorCapacity = 21;
    static constexpr int primeCapacity = 11;

    double number = 0;   // the current quotient of the ladder
    int digitCount = 0;  // digits of `number`, for the ladder's alignment
    int factorCount = 0; // factors stored in `factors`
    int primeCount = 0;  // index of the last distinct prime in `primes`
    std::array<std::int16_t, factorCapacity> factors{};
    std::array<std::int16_t, primeCapacity> primes{};
    std::array<std::int16_t, primeCapacity> exponents{};

    // Back to the state before the first run.
    void reset() { *this = Worksheet{}; }

    // The distinct primes a completed decomposition found: none before a run, after a
    // reset, or for the number 1, which has no prime factor.
    int distinctPrimeCount() const { return primes[0] == 0 ? 0 : primeCount + 1; }
};
