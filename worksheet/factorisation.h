#pragma once

#include <array>
#include <cstdint>

// A whole number's prime factors as its division ladder finds them: the divisors in the
// order found, which is ascending, and the same grouped into prime powers.
struct Factorisation {
    // 2147483647 is below 2 to the 31st, so it has at most 30 prime factors; the product of
    // the first ten primes is above it, so at most 9 distinct ones.
    static constexpr int divisorCapacity = 30;
    static constexpr int powerCapacity = 9;

    std::array<std::int32_t, divisorCapacity> divisors{};
    int divisorCount = 0;
    std::array<std::int32_t, powerCapacity> primes{};
    std::array<int, powerCapacity> exponents{};
    int powerCount = 0;

    std::int32_t largestPrime() const { return powerCount == 0 ? 1 : primes[powerCount - 1]; }
};

// Trial division by 2, 3, 4, ... up to the square root: every divisor found is prime. For
// a number from 1 to 2147483647.
Factorisation factorise(std::int32_t n);
