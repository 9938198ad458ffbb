#pragma once

#include "tests/oracle/factorisation.h"

#include <cstdint>
#include <vector>

namespace oracle {

// Factorises by a sieve of smallest prime factors up to its limit, and above it by trial
// division by the sieve's primes: up to the square of the limit, so a limit of 46341 or
// more reaches 2147483647 and a little beyond.
class PrimeReference {
public:
    explicit PrimeReference(std::int32_t sieveLimit);

    std::int64_t sieveLimit() const { return static_cast<std::int64_t>(m_smallest.size()) - 1; }
    Factorisation factorise(std::int64_t n) const;

private:
    std::vector<std::int32_t> m_smallest; // 0 and 1 have none
    std::vector<std::int32_t> m_primes;
};

// n's factorisation by trial division by the primes up to 65536, for n up to 2147483647.
Factorisation factorise(std::int64_t n);

} // namespace oracle
