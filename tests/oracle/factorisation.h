#pragma once

#include <array>
#include <cstdint>

namespace oracle {

// A whole number's prime factors, found apart from the core: the factors in non-decreasing
// order, and the same grouped into distinct primes and their exponents.
struct Factorisation {
    // 2147483647 has at most 30 prime factors and 9 distinct primes.
    std::array<std::int32_t, 32> factors{};
    int factorCount = 0;
    std::array<std::int32_t, 16> primes{};
    std::array<int, 16> exponents{};
    int primeCount = 0;

    void add(std::int32_t prime) {
        factors[factorCount++] = prime;
        if (primeCount > 0 && primes[primeCount - 1] == prime) {
            ++exponents[primeCount - 1];
        } else {
            primes[primeCount] = prime;
            exponents[primeCount++] = 1;
        }
    }
    std::int32_t largestPrime() const { return factorCount == 0 ? 1 : factors[factorCount - 1]; }
};

} // namespace oracle
